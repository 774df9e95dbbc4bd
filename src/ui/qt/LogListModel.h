#pragma once

#include "base/DiagnosticLog.h"

#include <QAbstractListModel>

namespace quorrin::ui {

// The diagnostic log as a list: rows are added as the core appends lines, whether the list is shown or not.
class LogListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit LogListModel(DiagnosticLog& log, QObject* parent = nullptr);
    ~LogListModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Catches up with lines the model was not told about.
    void sync();

private:
    DiagnosticLog& log_;
    // The rows announced to the views. The log tells of a line after appending it, so the model counts its
    // own rows to keep begin/endInsertRows truthful.
    int rows_ = 0;
};

} // namespace quorrin::ui
