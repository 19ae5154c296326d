#include "agents/importpreview.h"

#include "agents/importline.h"
#include "agents/importmessages.h"
#include "agents/importreader.h"

#include <QBrush>
#include <QDir>
#include <QFileInfo>

namespace ventrix::agents {

Result<ImportPreview> readPreview(const QString& path, const ImportFormat& format, int records)
{
    ImportReader reader(MaxLineBytes);
    if (!reader.open(path))
        return Error { msg::archivoNoLegible(QDir::toNativeSeparators(path)) };
    ImportPreview preview;
    preview.columns = format.columnNames();
    preview.modified = QFileInfo(path).lastModified();
    ImportLine line(format);
    std::string_view text;
    while (preview.rows.size() < records) {
        const ImportReader::Next next = reader.next(text);
        if (next == ImportReader::Next::End)
            break;
        if (next == ImportReader::Next::Failed)
            return Error { msg::archivoNoLegible(QDir::toNativeSeparators(path)) };
        if (next == ImportReader::Next::Line && ImportLine::isBlank(text))
            continue;
        if (next == ImportReader::Next::Line)
            line.parse(text);
        else
            line.refuseLong(reader.lineBytes());
        QStringList row;
        QList<bool> marks;
        for (int c = 0; c < static_cast<int>(format.columns.size()); ++c) {
            row << line.shown(c);
            marks << (line.values()[static_cast<std::size_t>(c)].mark != FieldMark::Ok);
        }
        preview.rows << row;
        preview.marked << marks;
    }
    return preview;
}

Result<ImportFileFacts> readFileFacts(const QString& path)
{
    ImportReader reader(MaxLineBytes);
    if (!reader.open(path))
        return Error { msg::archivoNoLegible(QDir::toNativeSeparators(path)) };
    ImportFileFacts facts;
    facts.size = reader.size();
    qint64 characters = 0;
    std::string_view text;
    for (;;) {
        const ImportReader::Next next = reader.next(text);
        if (next == ImportReader::Next::End)
            break;
        if (next == ImportReader::Next::Failed)
            return Error { msg::archivoNoLegible(QDir::toNativeSeparators(path)) };
        if (next == ImportReader::Next::Line && ImportLine::isBlank(text))
            continue;
        ++facts.records;
        characters
            += next == ImportReader::Next::Line ? static_cast<qint64>(text.size()) : reader.lineBytes();
    }
    facts.averageLength = facts.records > 0 ? characters / facts.records : 0;
    return facts;
}

void ImportPreviewModel::setPreview(ImportPreview preview)
{
    beginResetModel();
    m_preview = std::move(preview);
    endResetModel();
}

int ImportPreviewModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_preview.rows.size());
}

int ImportPreviewModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_preview.columns.size());
}

QVariant ImportPreviewModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    if (role == Qt::DisplayRole)
        return m_preview.rows.at(index.row()).value(index.column());
    if (role == Qt::ForegroundRole && m_preview.marked.at(index.row()).value(index.column()))
        return QBrush(Qt::red);
    return {};
}

QVariant ImportPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return m_preview.columns.value(section);
    return section + 1;
}

}
