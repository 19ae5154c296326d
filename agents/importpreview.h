#pragma once

#include "agents/importformat.h"
#include "common/result.h"

#include <QAbstractTableModel>
#include <QDateTime>

namespace ventrix::agents {

// The first records of an import file as the preview grid shows them: each field checked as the
// import checks it, shown as its value or as "Requerido", "Error" or "Error Cálculo".
struct ImportPreview
{
    QStringList columns;
    QList<QStringList> rows;
    QList<QList<bool>> marked; // the cells showing a fault
    QDateTime modified; // when the file was last written
};

// How many records the preview shows.
inline constexpr int PreviewRecords = 100;

Result<ImportPreview> readPreview(
    const QString& path, const ImportFormat& format, int records = PreviewRecords);

// What "Información" tells of a file: its records, their average length and the file's size.
struct ImportFileFacts
{
    qint64 records = 0;
    qint64 averageLength = 0; // characters, without the line ending
    qint64 size = 0; // bytes
};
Result<ImportFileFacts> readFileFacts(const QString& path);

// The preview as a grid, one column per field of the register.
class ImportPreviewModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    void setPreview(ImportPreview preview);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    ImportPreview m_preview;
};

}
