#pragma once

#include "shell/SearchAction.h"
#include "store/SearchHit.h"

#include <QStyledItemDelegate>

class QTreeWidget;

namespace veldra::shell
{

// Roles of a full-text hit in the result list, beside kResultTagRole: the words
// the find bar looks for once it is read, and the marked ranges of a column's
// text (a list of QPoint(start, length)).
constexpr int kResultWordsRole = kResultTagRole + 1;
constexpr int kResultMarksRole = kResultTagRole + 2;

// Lists the hits of a full-text search: subject and snippet, the words found
// marked in bold, a document changed since it was read marked as updated.
void ListFullTextHits(QTreeWidget &list, const store::SearchResults &results);
// Shows the snippets of hits [first, first + count) that arrived since.
void ShowSnippets(QTreeWidget &list, const store::SearchResults &results, int first, int count);

// Draws a column's text with its marked ranges in bold, in the view's colours.
class MarkedTextDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};

} // namespace veldra::shell
