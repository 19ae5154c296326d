#include "common/print/mancha.h"

#include "common/print/pagecanvas.h"
#include "common/print/printtexts.h"
#include "common/print/zintsymbol.h"

#include <zint.h>

#include <QMutex>

#include <algorithm>
#include <cmath>
#include <deque>
#include <optional>

namespace ventrix::print {
namespace {

constexpr qreal kModuleMm = 0.254;
constexpr qreal kRowHeight = 3.4;
constexpr int kStandardLevel = 4;
constexpr int kStandardColumns = 7;
constexpr int kStandardRows = 27;
constexpr int kLowestLevel = 2;
constexpr int kMaxColumns = 30;
constexpr int kMaxRows = 90;
constexpr int kMaxSequence = 9;
constexpr qreal kGapMm = 2.0;

// Total width in modules of a PDF417 symbol with this many data columns.
int symbolWidth(int columns)
{
    return 17 * columns + 69;
}

struct Request
{
    int level = kStandardLevel;
    int columns = kStandardColumns;
    int rows = 0; // 0: as many as the data needs
    int index = -1;
    int count = 0;
};

std::optional<BarcodeSymbol> encode(const QString& text, const Request& r)
{
    ZintSymbol zint(BARCODE_PDF417);
    zint_symbol* raw = zint.raw();
    raw->option_1 = r.level;
    raw->option_2 = r.columns;
    raw->option_3 = r.rows;
    if (r.count > 1) {
        raw->structapp.index = r.index + 1;
        raw->structapp.count = r.count;
    }
    if (!zint.encode(text) || zint.rows() > kMaxRows)
        return std::nullopt;
    BarcodeSymbol symbol = zint.toSymbol(BarcodeSymbol::Kind::Pdf417, text);
    if (symbol.isNull())
        return std::nullopt;
    // Every row 3.4 modules high, whatever height the encoder chose.
    const qreal stretch = zint.rows() * kRowHeight / symbol.modules.height();
    for (QRectF& bar : symbol.bars)
        bar = QRectF(bar.x(), bar.y() * stretch, bar.width(), bar.height() * stretch);
    symbol.modules.setHeight(zint.rows() * kRowHeight);
    symbol.sequenceIndex = r.count > 1 ? r.index : -1;
    symbol.sequenceCount = r.count > 1 ? r.count : 0;
    return symbol;
}

QSizeF sizeMm(const BarcodeSymbol& s, qreal scale)
{
    return s.modules * (kModuleMm * scale);
}

bool fits(const QSizeF& size, const QSizeF& space)
{
    // Half a percent: the forms' boxes are given in twips, rounded from the symbol's own size.
    constexpr qreal tolerance = 1.005;
    return size.width() <= space.width() * tolerance && size.height() <= space.height() * tolerance;
}

int columnsFor(qreal widthMm, qreal scale)
{
    const int modules = int(std::floor(widthMm / (kModuleMm * scale) + 1e-6));
    return std::min(kMaxColumns, (modules - 69) / 17);
}

ManchaLayout single(const BarcodeSymbol& s, const ManchaPlacement& p, int level, int columns)
{
    ManchaLayout layout;
    layout.symbols.append({ s, QRectF(p.topLeftMm, sizeMm(s, p.scale)) });
    layout.errorLevel = level;
    layout.columns = columns;
    layout.rows = int(std::lround(s.modules.height() / kRowHeight));
    return layout;
}

// The fewest columns (from 7 up to maxColumns) whose symbol fits the space at this level.
std::optional<ManchaLayout> fewestColumns(
    const QString& text, const ManchaPlacement& p, int level, int maxColumns)
{
    const auto widest = encode(text, { level, maxColumns, 0 });
    if (!widest || !fits(sizeMm(*widest, p.scale), p.spaceMm))
        return std::nullopt;
    // More columns never need more rows, so the height test is monotonic: bisect.
    int low = kStandardColumns;
    int high = maxColumns;
    BarcodeSymbol best = *widest;
    while (low < high) {
        const int mid = (low + high) / 2;
        const auto s = encode(text, { level, mid, 0 });
        if (s && fits(sizeMm(*s, p.scale), p.spaceMm)) {
            high = mid;
            best = *s;
        } else {
            low = mid + 1;
        }
    }
    return single(best, p, level, high);
}

std::optional<ManchaLayout> tryGrown(const QString& text, const ManchaPlacement& p)
{
    const int maxColumns = columnsFor(p.spaceMm.width(), p.scale);
    if (maxColumns < kStandardColumns)
        return std::nullopt;
    for (int level = kStandardLevel; level >= kLowestLevel; --level) {
        if (auto layout = fewestColumns(text, p, level, maxColumns))
            return layout;
    }
    return std::nullopt;
}

QStringList split(const QString& text, int count)
{
    QStringList pieces;
    const qsizetype size = (text.size() + count - 1) / count;
    for (qsizetype at = 0; at < text.size(); at += size)
        pieces << text.mid(at, size);
    return pieces;
}

std::optional<ManchaLayout> trySequence(
    const QString& text, const ManchaPlacement& p, int count, int perRow, int level)
{
    const int lines = (count + perRow - 1) / perRow;
    const QSizeF slot((p.spaceMm.width() - (perRow - 1) * kGapMm) / perRow,
        (p.spaceMm.height() - (lines - 1) * kGapMm) / lines);
    const int columns = columnsFor(slot.width(), p.scale);
    if (columns < 1)
        return std::nullopt;
    const QStringList pieces = split(text, count);
    if (pieces.size() != count)
        return std::nullopt;
    ManchaLayout layout;
    layout.errorLevel = level;
    layout.columns = columns;
    for (int i = 0; i < count; ++i) {
        const auto s = encode(pieces[i], { level, columns, 0, i, count });
        if (!s || !fits(sizeMm(*s, p.scale), slot))
            return std::nullopt;
        const QPointF at(p.topLeftMm.x() + (i % perRow) * (slot.width() + kGapMm),
            p.topLeftMm.y() + (i / perRow) * (slot.height() + kGapMm));
        layout.symbols.append({ *s, QRectF(at, sizeMm(*s, p.scale)) });
        layout.rows = std::max(layout.rows, int(std::lround(s->modules.height() / kRowHeight)));
    }
    return layout;
}

std::optional<ManchaLayout> trySequences(const QString& text, const ManchaPlacement& p)
{
    for (int count = 2; count <= kMaxSequence; ++count) {
        for (int level = kStandardLevel; level >= kLowestLevel; --level) {
            for (int perRow = count; perRow >= 1; --perRow) {
                if (auto layout = trySequence(text, p, count, perRow, level))
                    return layout;
            }
        }
    }
    return std::nullopt;
}

}

ManchaPlacement ManchaPlacement::monthlyDeclaration(qreal printerDpi)
{
    const qreal scale = printerDpi < 300 ? 1.7 : 1.2;
    return { QPointF(240.0, 14.0), scale, QSizeF(2710.0, 1320.0) * (25.4 / 1440.0) * scale };
}

QString manchaText(const QString& record)
{
    static const QString from = QStringLiteral("áéíóúÁÉÍÓÚñÑüÜ");
    static const QString to = QStringLiteral("aeiouAEIOU##uU");
    QString out = record;
    for (QChar& c : out) {
        const qsizetype i = from.indexOf(c);
        if (i >= 0)
            c = to[i];
    }
    return out;
}

ManchaLayout layoutFresh(const QString& record, const ManchaPlacement& placement)
{
    const QString text = manchaText(record);
    ManchaPlacement p = placement;
    if (p.spaceMm.isEmpty())
        p.spaceMm = QSizeF(symbolWidth(kStandardColumns), kStandardRows * kRowHeight) * (kModuleMm * p.scale);
    if (text.isEmpty())
        return { {}, 0, 0, 0, msg::manchaTooLong(0) };

    const auto standard = encode(text, { kStandardLevel, kStandardColumns, kStandardRows });
    if (standard && fits(sizeMm(*standard, p.scale), p.spaceMm))
        return single(*standard, p, kStandardLevel, kStandardColumns);
    if (auto grown = tryGrown(text, p))
        return *grown;
    if (auto sequence = trySequences(text, p))
        return *sequence;
    return { {}, 0, 0, 0, msg::manchaTooLong(int(record.size())) };
}

namespace {

// The upright layout turned a quarter clockwise about the placement's corner: a symbol's offset
// along the rows goes down the page, its offset down the columns goes to the left.
ManchaLayout turnedLayout(ManchaLayout layout, const ManchaPlacement& placement)
{
    const QPointF corner = placement.topLeftMm;
    qreal height = 0;
    for (const PlacedBarcode& placed : std::as_const(layout.symbols))
        height = std::max(height, placed.rectMm.bottom() - corner.y());
    for (PlacedBarcode& placed : layout.symbols) {
        const QRectF r = placed.rectMm.translated(-corner);
        placed.rectMm
            = QRectF(corner.x() + height - r.bottom(), corner.y() + r.left(), r.height(), r.width());
        placed.turned = true;
    }
    return layout;
}

}

ManchaLayout layoutMancha(const QString& record, const ManchaPlacement& placement)
{
    // A page is drawn twice (read-back, then output) and the preview draws it again: remember the
    // last few layouts, long records take a while to fit.
    struct Entry
    {
        QString record;
        ManchaPlacement placement;
        ManchaLayout layout;
    };
    static QMutex mutex;
    static std::deque<Entry> recent;
    const auto same = [&](const Entry& e) {
        return e.record == record && e.placement.topLeftMm == placement.topLeftMm
            && e.placement.scale == placement.scale && e.placement.spaceMm == placement.spaceMm
            && e.placement.turned == placement.turned;
    };
    {
        QMutexLocker lock(&mutex);
        const auto found = std::find_if(recent.begin(), recent.end(), same);
        if (found != recent.end())
            return found->layout;
    }
    ManchaLayout layout = layoutFresh(record, placement);
    if (placement.turned)
        layout = turnedLayout(std::move(layout), placement);
    QMutexLocker lock(&mutex);
    recent.push_front({ record, placement, layout });
    if (recent.size() > 8)
        recent.pop_back();
    return layout;
}

ManchaLayout Imp_Mancha(PageCanvas& canvas, const QString& record, const ManchaPlacement& placement)
{
    ManchaLayout layout = layoutMancha(record, placement);
    if (!layout.ok())
        canvas.reportProblem(layout.error);
    for (const PlacedBarcode& placed : std::as_const(layout.symbols))
        canvas.barcode(placed);
    return layout;
}

}
