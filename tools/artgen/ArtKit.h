// Drawing helpers shared by the picture painters of artgen: shaded chess
// pieces cut from FreeSerif's chess glyphs, the fonts of the title art,
// metal-lettered text, film grain and vignettes.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainterPath>
#include <QString>

class QPainter;

enum class PieceType { King, Queen, Rook, Bishop, Knight, Pawn };

// How a piece is finished: polished ivory and ebony for the title scenes.
enum class PieceFinish { Ivory, Ebony };

// Registers the font files the pictures use. Returns false when the chess
// glyph font (FreeSerif) is missing, since no piece could be drawn then.
bool LoadArtFonts();

// Family names of the faces that LoadArtFonts found (with fallbacks).
QString GlyphFamily();  // FreeSerif: the chess glyphs
QString TitleFamily();  // a stately serif for the title lettering
QString ScriptFamily(); // a calligraphic face for small flourishes
QString SansFamily();   // plain sans serif for panel texts

QFont PixelFont(const QString& family, qreal pixelSize, int weight = QFont::Normal, bool italic = false);

// The words drawn into the pictures: Portuguese, or English for the English
// interface's versions of the pictures ("title_en.jpg", ...).
void SetArtInEnglish(bool english);
QString ArtWords(const QString& portuguese, const QString& english);

// A piece of the given height in pixels, on a transparent background,
// lit from the upper left. `mirrored` turns it to face the other way.
QImage ShadedPiece(PieceType type, PieceFinish finish, int height, bool mirrored = false);

// The outline of a text, its baseline starting at `origin`.
QPainterPath TextPath(const QString& text, const QFont& font, QPointF origin = {});

// Letters in polished metal: a soft drop shadow, a dark bevel edge and a
// vertical gradient from `light` through `dark` with a bright band.
void DrawMetalText(QPainter& painter, const QPainterPath& text, QColor light, QColor dark, qreal edgeWidth);

// Darkens the borders of `image` towards black; `strength` 0..1.
void ApplyVignette(QImage& image, qreal strength, QPointF centre, qreal radius);

// Adds a fine, fixed (seeded) noise so large gradients do not band.
void AddGrain(QImage& image, int amplitude, unsigned seed);
