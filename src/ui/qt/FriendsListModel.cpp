#include "ui/qt/FriendsListModel.h"

#include "ui/qt/TextCodec.h"

namespace quorrin::ui {

FriendsListModel::FriendsListModel(FriendsList& list, bool checkable, QObject* parent)
    : QAbstractListModel(parent), list_(list), checkable_(checkable)
{}

int FriendsListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(list_.size());
}

bool FriendsListModel::isEntry(const QModelIndex& index) const
{
    return index.isValid() && !index.parent().isValid() && index.row() >= 0 &&
           static_cast<std::size_t>(index.row()) < list_.size();
}

QVariant FriendsListModel::data(const QModelIndex& index, int role) const
{
    if (!isEntry(index))
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    if (role == Qt::DisplayRole)
        return decodeFriendEntry(list_.entries[row]);
    if (role == Qt::CheckStateRole && checkable_)
        return row < list_.checked.size() && list_.checked[row] ? Qt::Checked : Qt::Unchecked;
    return {};
}

bool FriendsListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!checkable_ || role != Qt::CheckStateRole || !isEntry(index))
        return false;
    const auto row = static_cast<std::size_t>(index.row());
    if (list_.checked.size() < list_.size())
        list_.checked.resize(list_.size(), false);
    list_.checked[row] = value.value<Qt::CheckState>() == Qt::Checked;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

Qt::ItemFlags FriendsListModel::flags(const QModelIndex& index) const
{
    if (!isEntry(index))
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (checkable_)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

void FriendsListModel::reload()
{
    beginResetModel();
    endResetModel();
}

} // namespace quorrin::ui
