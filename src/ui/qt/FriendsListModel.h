#pragma once

#include "app/MainState.h"

#include <QAbstractListModel>

namespace quorrin::ui {

// A friends list box: the core's entries, decoded for display only, with the check marks read from and
// written to the core's list when the side is checkable (the source side).
class FriendsListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    FriendsListModel(FriendsList& list, bool checkable, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The core changed the list: show it anew.
    void reload();

private:
    bool isEntry(const QModelIndex& index) const;

    FriendsList& list_;
    bool checkable_;
};

} // namespace quorrin::ui
