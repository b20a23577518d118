// The art's lettering: the ranks in the cards' corners and the dealer
// button's D, as outlines of the bold sans face.
//
// Qt shares one FreeType face per font file among every size the windows
// draw text at, and an outline read from that face comes out a little
// differently (by up to a twentieth of a pixel at 100 px) with the sizes
// drawn before it: a card drawn once the table's texts had been drawn at
// other sizes was not the card drawn before, so a resumed table's cards were
// not those of the table left. The outlines are read instead from a face of
// the art's own, made afresh from the same font's tables for each text, and
// each text's outline is kept.
#include <QFont>
#include <QHash>
#include <QList>
#include <QRawFont>
#include <QtEndian>
#include <utility>

#include "drawing.h"

namespace tarvix::art {

namespace {

constexpr int outline_pixels = 100;  // the size the outlines are read at
// The tables that give a glyph's outline and advance, and the hinting
// programs that a TrueType face runs when it loads a glyph.
const char* const outline_tables[] = {"CFF ", "OS/2", "cmap", "cvt ", "fpgm",
                                      "gasp", "glyf", "head", "hhea", "hmtx",
                                      "loca", "maxp", "name", "post", "prep"};
constexpr quint32 truetype_version = 0x00010000;
constexpr quint32 cff_version = 0x4F54544F;  // "OTTO"
constexpr int table_record_size = 16;
constexpr int file_header_size = 12;
constexpr int word = 4;  // every table starts on a 4-byte boundary

template <typename Number>
void put(QByteArray& file, Number value) {
  const Number big = qToBigEndian(value);
  file.append(reinterpret_cast<const char*>(&big), sizeof big);
}

// The font's tables gathered again into a font file, as the file on disk
// would be, but for the tables that play no part in an outline.
QByteArray font_file(const QRawFont& font) {
  QList<std::pair<QByteArray, QByteArray>> tables;  // in the order of their tags
  for (const char* tag : outline_tables)
    if (QByteArray data = font.fontTable(tag); !data.isEmpty())
      tables.append({QByteArray(tag), std::move(data)});
  const auto count = static_cast<quint16>(tables.size());
  quint16 power = 1, exponent = 0;  // the largest power of two not above the count
  while (power * 2 <= count) power *= 2, ++exponent;
  const bool cff = !tables.isEmpty() && tables.front().first == "CFF ";
  QByteArray file;
  put<quint32>(file, cff ? cff_version : truetype_version);
  put<quint16>(file, count);
  put<quint16>(file, power * table_record_size);
  put<quint16>(file, exponent);
  put<quint16>(file, (count - power) * table_record_size);
  quint32 offset = file_header_size + count * table_record_size;
  for (const auto& [tag, data] : tables) {
    file.append(tag);
    put<quint32>(file, 0);  // the checksum, which the face does not check
    put<quint32>(file, offset);
    put<quint32>(file, static_cast<quint32>(data.size()));
    offset += (data.size() + word - 1) / word * word;
  }
  for (const auto& [tag, data] : tables) {
    file.append(data);
    file.append(QByteArray((word - data.size() % word) % word, '\0'));
  }
  return file;
}

// A fresh face for each text, let go once its outline is read: the face
// holds the font's tables, and a few texts are all the art letters.
QPainterPath outline(const QString& text, double spacing) {
  QFont font("DejaVu Sans");
  font.setBold(true);
  font.setPixelSize(outline_pixels);
  const QRawFont shared = QRawFont::fromFont(font);
  QRawFont face(font_file(shared), outline_pixels, QFont::PreferNoHinting);
  // A font whose tables cannot be gathered keeps to the shared face.
  if (!face.isValid()) face = shared;
  const QList<quint32> glyphs = face.glyphIndexesForString(text);
  const QList<QPointF> advances = face.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics);
  QPainterPath path;
  double x = 0;
  for (qsizetype i = 0; i < glyphs.size() && i < advances.size(); ++i) {
    path.addPath(face.pathForGlyph(glyphs[i]).translated(x, 0));
    x += advances[i].x() * spacing;
  }
  return path;
}

}  // namespace

QPainterPath lettering(const QString& text, double spacing) {
  // Drawn on one thread, the windows' own.
  static QHash<std::pair<QString, double>, QPainterPath> outlines;
  const std::pair key{text, spacing};
  auto it = outlines.constFind(key);
  if (it == outlines.constEnd()) it = outlines.insert(key, outline(text, spacing));
  return *it;
}

}  // namespace tarvix::art
