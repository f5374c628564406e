#!/usr/bin/env python3
"""Makes the expected Chess960 perft counts with Debian's stockfish.

Runs /usr/games/stockfish with UCI_Chess960 on and `go perft N` for:
  - all 960 start positions at depth 3,
  - a sample of 40 start positions at depth 4,
  - positions reached after some moves from random starts that keep
    castling rights (most with a castling move legal), at depth 3 and 4,
  - a few positions set up for the castling cases (the king on b1 castling
    queen side, king and rook swapping places, the rook already on its
    destination, the king already on its destination, a piece on the
    rook's path, a rook shielding the king's destination).
Each line: kind depth nodes X-FEN;Shredder-FEN

Usage: make-perft960.py [--stockfish PATH] [--out FILE]
The start positions are numbered here on their own (Scharnagl's scheme),
independently of the program's code, so that the test data also checks
the program's numbering.
"""

import argparse
import random
import subprocess
import sys

KNIGHTS = [(0, 1), (0, 2), (0, 3), (0, 4), (1, 2), (1, 3), (1, 4), (2, 3), (2, 4), (3, 4)]


def back_rank(number):
    rank = [None] * 8
    n = number
    rank[2 * (n % 4) + 1] = "B"
    n //= 4
    rank[2 * (n % 4)] = "B"
    n //= 4
    empty = [i for i in range(8) if rank[i] is None]
    rank[empty[n % 6]] = "Q"
    n //= 6
    empty = [i for i in range(8) if rank[i] is None]
    a, b = KNIGHTS[n]
    rank[empty[a]] = "N"
    rank[empty[b]] = "N"
    empty = [i for i in range(8) if rank[i] is None]
    for i, piece in zip(empty, "RKR"):
        rank[i] = piece
    return "".join(rank)


def start_shredder_fen(number):
    rank = back_rank(number)
    king = rank.index("K")
    queen_rook = rank.index("R")
    king_rook = rank.rindex("R")
    files = "ABCDEFGH"
    rights = files[king_rook] + files[queen_rook] + files[king_rook].lower() + files[queen_rook].lower()
    del king
    return f"{rank.lower()}/pppppppp/8/8/8/8/PPPPPPPP/{rank} w {rights} - 0 1"


def placement_rows(placement):
    rows = []
    for row in placement.split("/"):
        squares = []
        for c in row:
            squares.extend([" "] * int(c) if c.isdigit() else [c])
        rows.append(squares)
    return rows  # rows[0] is rank 8


def to_xfen(shredder):
    """X-FEN: K/Q/k/q for the outermost rook of a side, the file letter
    otherwise; in the order white king side, white queen side, black king
    side, black queen side."""
    fields = shredder.split()
    rows = placement_rows(fields[0])
    rights = {}
    for letter in fields[2]:
        if letter == "-":
            continue
        white = letter.isupper()
        row = rows[7] if white else rows[0]
        king_char, rook_char = ("K", "R") if white else ("k", "r")
        file = ord(letter.lower()) - ord("a")
        king = row.index(king_char)
        king_side = file > king
        outside = range(file + 1, 8) if king_side else range(0, file)
        outermost = not any(row[f] == rook_char for f in outside)
        if outermost:
            written = "k" if king_side else "q"
            written = written.upper() if white else written
        else:
            written = letter
        rights[(0 if white else 2) + (0 if king_side else 1)] = written
    castling = "".join(rights[i] for i in sorted(rights)) or "-"
    fields[2] = castling
    return " ".join(fields)


class Stockfish:
    def __init__(self, path):
        self.process = subprocess.Popen([path], stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True, bufsize=1)
        self.send("uci")
        self.wait_for("uciok")
        self.send("setoption name UCI_Chess960 value true")
        self.send("isready")
        self.wait_for("readyok")

    def send(self, line):
        self.process.stdin.write(line + "\n")
        self.process.stdin.flush()

    def wait_for(self, prefix):
        lines = []
        while True:
            line = self.process.stdout.readline()
            if not line:
                raise RuntimeError("stockfish ended")
            line = line.rstrip("\n")
            lines.append(line)
            if line.startswith(prefix):
                return lines

    def perft(self, fen, depth, moves=()):
        self.send(f"position fen {fen}" + (" moves " + " ".join(moves) if moves else ""))
        self.send(f"go perft {depth}")
        lines = self.wait_for("Nodes searched")
        divide = [l.split(":")[0] for l in lines if ":" in l and not l.startswith("Nodes")]
        return int(lines[-1].split(":")[1]), divide

    def fen_after(self, fen, moves):
        self.send(f"position fen {fen} moves " + " ".join(moves))
        self.send("d")
        for line in self.wait_for("Checkers"):
            if line.startswith("Fen: "):
                return line[5:]
        raise RuntimeError("no Fen line")

    def close(self):
        self.send("quit")
        self.process.wait()


def is_castling(fen, move):
    rows = placement_rows(fen.split()[0])
    def at(square):
        return rows[8 - int(square[1])][ord(square[0]) - ord("a")]
    a, b = at(move[0:2]), at(move[2:4])
    return (a, b) in (("K", "R"), ("k", "r"))


# Positions set up for the castling cases (Shredder-FEN).
SET_UP = [
    # The king on b1 castles queen side with the rook on a1: it goes to c1.
    "1r2k2r/pppppppp/8/8/8/8/PPPPPPPP/RK2R3 w AEbh - 0 1",
    # King f1 and rook g1 swap places castling king side.
    "r4kr1/pppppppp/8/8/8/8/PPPPPPPP/R4KR1 w AGag - 0 1",
    # The rook already on its destination: d1 (the king on e1 castles queen
    # side), f1 (the king on b1 castles king side).
    "3rk3/pppppppp/8/8/8/8/PPPPPPPP/3RK3 w Dd - 0 1",
    "1k3r2/pppppppp/8/8/8/8/PPPPPPPP/1K3R2 w Ff - 0 1",
    # The king already on its destination (g1), the rook on h1.
    "6kr/pppppppp/8/8/8/8/PPPPPPPP/6KR w Hh - 0 1",
    # A knight on the rook's path (e1 between rook a1 and d1; king f1).
    "r3nk2/pppppppp/8/8/8/8/PPPPPPPP/R3NK2 w Aa - 0 1",
    # The castling rook on b1 shields the king's destination c1 from the
    # rook on a1: castling queen side would leave the king in check.
    "k7/8/8/8/8/8/8/rRK5 w B - 0 1",
    # The king crosses an attacked square.
    "1k6/8/8/8/8/4r3/8/1K4R1 w G - 0 1",
    # Both sides, rooks inside other rooks (Shredder letters needed).
    "rr2k1rr/8/8/8/8/8/8/RR2K1RR w BGbg - 0 1",
]


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--stockfish", default="/usr/games/stockfish")
    parser.add_argument("--out", default="-")
    parser.add_argument("--seed", type=int, default=960)
    args = parser.parse_args()
    rng = random.Random(args.seed)
    engine = Stockfish(args.stockfish)
    out = sys.stdout if args.out == "-" else open(args.out, "w")

    def emit(kind, depth, shredder):
        nodes, _ = engine.perft(shredder, depth)
        out.write(f"{kind} {depth} {nodes} {to_xfen(shredder)};{shredder}\n")

    out.write("# Chess960 perft counts of Debian's stockfish (UCI_Chess960 true), made by\n")
    out.write("# tools/perft960/make-perft960.py. Each line: kind depth nodes X-FEN;Shredder-FEN\n")
    for number in range(960):
        emit(f"start{number}", 3, start_shredder_fen(number))
    for number in sorted(rng.sample(range(960), 40)):
        emit(f"start{number}", 4, start_shredder_fen(number))
    for shredder in SET_UP:
        emit("setup", 3, shredder)
        emit("setup", 4, shredder)

    # Random walks that mostly move the pieces between kings and rooks, so
    # that castling comes within reach.
    walked = 0
    with_castling = 0
    attempts = 0
    while walked < 60 and attempts < 2000:
        attempts += 1
        start = start_shredder_fen(rng.randrange(960))
        moves = []
        fen = start
        for _ in range(rng.randrange(6, 17)):
            _, legal = engine.perft(fen, 1)
            if not legal:
                break
            rows = placement_rows(fen.split()[0])
            def piece(move):
                return rows[8 - int(move[1])][ord(move[0]) - ord("a")].upper()
            weighted = [m for m in legal if piece(m) in "NBQ"] * 3 + [m for m in legal if piece(m) == "P"]
            weighted += [m for m in legal if is_castling(fen, m)] * 2
            choice = rng.choice(weighted or legal)
            moves.append(choice)
            fen = engine.fen_after(start, moves)
        if fen.split()[2] == "-":
            continue
        _, legal = engine.perft(fen, 1)
        castles = any(is_castling(fen, m) for m in legal)
        # Keep two of three with a castling move legal now.
        if not castles and walked >= 3 * with_castling // 2 + 5:
            continue
        with_castling += castles
        emit("after", 3, fen)
        if walked % 3 == 0:
            emit("after", 4, fen)
        walked += 1
    engine.close()
    out.write(f"# {walked} positions after moves, {with_castling} of them with a castling move legal\n")


if __name__ == "__main__":
    main()
