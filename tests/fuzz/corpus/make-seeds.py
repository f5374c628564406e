#!/usr/bin/env python3
"""Writes the seed corpus of each fuzz target into the folder beside this
script (one folder per target). The targets that read their input through
FuzzedDataProvider take integers from the end of the data, so their seeds are
built as the list of values in the order they are consumed, then reversed."""
import os

HERE = os.path.dirname(os.path.abspath(__file__))
ALPHABET = " PNBRQKpnbrqk"
INITIAL = "rnbqkbnrpppppppp" + " " * 32 + "PPPPPPPPRNBQKBNR"


def placement(ranks):
    """A position string from eight rank strings (rank 8 first), '.' empty."""
    return "".join(r.replace(".", " ") for r in ranks)


POSITIONS = {
    "initial": INITIAL,
    "castling": placement(["r...k..r", "pppppppp", "........", "........",
                           "........", "........", "PPPPPPPP", "R...K..R"]),
    "enpassant": placement(["....k...", "...p....", "........", "....P...",
                            "........", "........", "........", "....K..."]),
    "promotion": placement(["....k...", "PP......", "........", "........",
                            "........", "........", "......pp", "....K..."]),
    "mate_in_one": placement(["......k.", ".....ppp", "........", "........",
                              "........", "........", ".....PPP", "R.....K."]),
    "stalemate": placement(["k.......", "........", ".K......", "........",
                            "........", "........", "........", ".Q......"]),
    "no_kings": placement(["rnbq.bnr", "pppppppp", "........", "........",
                           "........", "........", "PPPPPPPP", "RNBQ.BNR"]),
    "many_kings": placement(["kkkkkkkk", "........", "........", "...K....",
                             "........", "..K.....", "........", "KKKK...."]),
    "last_rank_pawns": placement(["P..pk..P", "........", "........", "........",
                                  "........", "........", "........", "p..PK..p"]),
    "queens": placement(["qqqqkqqq", "qqqqqqqq", "........", "........",
                         "........", "........", "QQQQQQQQ", "QQQQKQQQ"]),
    "empty": " " * 64,
    # A lone king against twenty queens: a static score beyond mate scores.
    "lone_king_army": placement(["k.......", "........", "....QQQQ", ".....QQQ",
                                 "..Q...QQ", "..QQ...Q", "..QQQ...", "..QQQQ.K"]),
}


def write(target, name, data):
    folder = os.path.join(HERE, target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


class Consumed:
    """Values in the order FuzzedDataProvider consumes them."""

    def __init__(self):
        self.bytes = []

    def byte(self, value):
        self.bytes.append(value & 0xFF)

    def boolean(self, value):
        self.byte(1 if value else 0)

    def int16(self, value):  # a range wider than one byte, up to 65535
        self.byte(value >> 8)
        self.byte(value)

    def int32(self, value):
        value &= 0xFFFFFFFF
        for shift in (24, 16, 8, 0):
            self.byte(value >> shift)

    def position(self, text):
        for c in text:
            self.byte(ALPHABET.index(c))

    def data(self):
        return bytes(reversed(self.bytes))


def position_seeds():
    for name, text in POSITIONS.items():
        write("position", name, text.encode())
    for name, text in {"init": b"init", "newgame_mixed_case": b"NewGame", "init_crlf": b"init\r\n",
                       "short": INITIAL[:63].encode(), "long": (INITIAL + "x" * 36).encode(),
                       "unknown_letter": (INITIAL[:4] + "x" + INITIAL[5:]).encode(),
                       "nul_inside": (INITIAL[:9] + "\0" + INITIAL[10:]).encode()}.items():
        write("position", name, text)


def gamefile_seeds():
    # The first byte is the repeat selector: below 240 the rest is read once.
    write("gamefile", "saved_initial", b"\x00" + INITIAL.encode())
    write("gamefile", "line_break_after", b"\x00" + INITIAL.encode() + b"\r\n")
    write("gamefile", "mixed_breaks", b"\x00" + b"rnbq\rkbnr\npppp\r\npppp")
    write("gamefile", "init", b"\x00init")
    write("gamefile", "nul_inside", b"\x00" + INITIAL[:20].encode() + b"\0" + INITIAL[21:].encode())
    write("gamefile", "over_capacity", b"\xf0\xff" + b"\n" * 4 + b"abcd" * 2)  # 2^15 repeats
    write("gamefile", "near_capacity", b"\xef" + b"x" * 255)


def moves_seed(name, text, white, castling, enpassant, operations):
    c = Consumed()
    c.position(text)
    c.boolean(white)
    c.byte(castling)
    c.byte(enpassant)
    c.byte(0)  # promotion to a queen
    for op in operations:
        kind = op[0]
        if kind == "legal":   # the first legal move at or after a pair
            c.byte(0)
            c.int16(op[1])
        elif kind == "pair":  # any two squares, None included
            c.byte(3)
            c.byte(op[1])
            c.byte(op[2])
        elif kind == "goto":
            c.byte(5)
            c.boolean(True)
            c.byte(op[1] + 1)  # range -1..40
            c.boolean(op[2])
        elif kind == "place":
            c.byte(7)
            c.position(op[1])
    write("moves", name, c.data())


def sq(name):
    file = ord(name[0]) - ord("a")
    rank = int(name[1])
    return (8 - rank) * 8 + file + 1


def pair(a, b):
    return (sq(a) - 1) * 64 + (sq(b) - 1)


def moves_seeds():
    knights = [("pair", sq(a), sq(b)) for a, b in
               [("g1", "f3"), ("g8", "f6"), ("f3", "g1"), ("f6", "g8")] * 3]
    moves_seed("knights_repeat", INITIAL, True, 15, 0, knights + [("pair", sq("e2"), sq("e4"))])
    moves_seed("opening_and_back", INITIAL, True, 15, 0,
               [("pair", sq("e2"), sq("e4")), ("pair", sq("e7"), sq("e5")), ("pair", sq("g1"), sq("f3")),
                ("goto", 1, False), ("pair", sq("d7"), sq("d5")), ("goto", 2, True), ("goto", 1, True)])
    moves_seed("castling", POSITIONS["castling"], True, 15, 0,
               [("pair", sq("e1"), sq("g1")), ("pair", sq("e8"), sq("c8")), ("goto", 1, True),
                ("pair", sq("e1"), sq("c1"))])
    moves_seed("enpassant", POSITIONS["enpassant"], False, 0, 0,
               [("pair", sq("d7"), sq("d5")), ("pair", sq("e5"), sq("d6")), ("goto", 1, False)])
    moves_seed("promotion", POSITIONS["promotion"], True, 0, 0,
               [("pair", sq("a7"), sq("a8")), ("pair", sq("g2"), sq("g1")), ("pair", sq("b7"), sq("b8"))])
    moves_seed("begun_by_black", INITIAL, False, 15, 0,
               [("pair", sq("e7"), sq("e5")), ("pair", sq("e2"), sq("e4")), ("goto", 1, False)])
    moves_seed("guided_game", INITIAL, True, 15, 0, [("legal", (k * 617) % 4096) for k in range(60)])
    moves_seed("off_board_pairs", INITIAL, True, 15, 0,
               [("pair", 0, sq("e4")), ("pair", sq("e2"), 0), ("pair", 0, 0), ("pair", 64, 64)])
    moves_seed("mate", POSITIONS["mate_in_one"], True, 0, 0,
               [("pair", sq("a1"), sq("a8")), ("pair", sq("g8"), sq("h8")), ("goto", 1, True)])
    moves_seed("new_placement", INITIAL, True, 15, 0,
               [("pair", sq("e2"), sq("e4")), ("place", POSITIONS["stalemate"]), ("legal", 7), ("goto", 1, True)])


def engine_seeds():
    for name, text in POSITIONS.items():
        for white in (True, False):
            c = Consumed()
            c.position(text)
            c.boolean(white)
            c.byte(15)
            c.byte(sq("d6") if name == "enpassant" else 0)
            c.byte(1)  # depth 2
            write("engine", f"{name}_{'white' if white else 'black'}", c.data())


def uci_seeds():
    scripts = {
        "handshake": "uci\nisready\nucinewgame\nisready\nquit\n",
        "startpos_go": "position startpos moves e2e4 e7e5 g1f3\ngo depth 2\n",
        "fen_go": "position fen r3k2r/pppppppp/8/8/8/8/PPPPPPPP/R3K2R w KQkq - 0 1 moves e1g1\ngo depth 1\n",
        "perft": "position startpos\ngo perft 2\n",
        "infinite_stop": "position startpos\ngo infinite\nstop\nisready\n",
        "bad_input": "position\nposition fen\nposition fen 8/8/8 w\ngo depth\ngo depth x\nsetoption name Hash value 1\n"
                     "setoption name Depth value 99\nfoo bar\nposition startpos moves e2e5\n",
        "promotion": "position fen 4k3/P7/8/8/8/8/8/4K3 w - - 0 1 moves a7a8q\ngo depth 1\n",
        "mated": "position fen 6k1/5ppp/8/8/8/8/5PPP/R5K1 w - - 0 1 moves a1a8\ngo depth 1\n",
        "crlf": "uci\r\nisready\r\nposition startpos\r\ngo depth 1\r\n",
        # A search that only a stop ends, followed by commands that wait for it.
        "queens_stop": "position fen qqqqkqqq/qqqqqqqq/8/8/8/8/QQQQQQQQ/QQQQKQQQ w - - 0 1\ngo depth 2\n"
                       "position startpos\ngo\n",
    }
    for name, text in scripts.items():
        write("uci", name, text.encode())


if __name__ == "__main__":
    position_seeds()
    gamefile_seeds()
    moves_seeds()
    engine_seeds()
    uci_seeds()
