#include "ui/qt/LogListModel.h"

#include "ui/qt/TextCodec.h"

namespace quorrin::ui {

LogListModel::LogListModel(DiagnosticLog& log, QObject* parent) : QAbstractListModel(parent), log_(log)
{
    rows_ = static_cast<int>(log_.size());
    log_.setAppendListener([this](std::size_t) { sync(); });
}

LogListModel::~LogListModel()
{
    log_.setAppendListener({});
}

int LogListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_;
}

QVariant LogListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() < 0 || index.row() >= rows_)
        return {};
    return decodeLocal(log_.at(static_cast<std::size_t>(index.row())));
}

void LogListModel::sync()
{
    const int size = static_cast<int>(log_.size());
    if (size <= rows_)
        return;
    beginInsertRows({}, rows_, size - 1);
    rows_ = size;
    endInsertRows();
}

} // namespace quorrin::ui
