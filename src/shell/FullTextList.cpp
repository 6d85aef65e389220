#include "shell/FullTextList.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPainter>
#include <QTextLayout>
#include <QTreeWidget>

namespace veldra::shell
{

namespace
{

QVariantList Marks(const QList<store::TextRange> &ranges)
{
    QVariantList marks;
    for (const store::TextRange &r : ranges)
        marks.append(QPoint(r.start, r.length));
    return marks;
}

void SetSnippet(QTreeWidgetItem &item, const store::SearchHit &hit)
{
    item.setText(1, hit.snippet);
    item.setData(1, kResultMarksRole, Marks(hit.snippetMarks));
}

} // namespace

void ListFullTextHits(QTreeWidget &list, const store::SearchResults &results)
{
    list.clear();
    list.setColumnCount(2);
    list.setHeaderLabels({QCoreApplication::translate("FullTextList", "Subject"),
                          QCoreApplication::translate("FullTextList", "Found in the text")});
    if (!list.itemDelegate() || !qobject_cast<MarkedTextDelegate *>(list.itemDelegate()))
        list.setItemDelegate(new MarkedTextDelegate(&list));
    QList<QTreeWidgetItem *> items;
    for (const store::SearchHit &hit : results.hits) {
        auto *item = new QTreeWidgetItem;
        QString subject = hit.subject;
        if (hit.updatedSinceRead)
            subject += QCoreApplication::translate("FullTextList", " (updated since you read it)");
        item->setText(0, subject);
        item->setData(0, kResultMarksRole, Marks(hit.subjectMarks));
        item->setData(0, kResultTagRole, hit.fileName);
        item->setData(0, kResultWordsRole, hit.words);
        if (hit.hasSnippet)
            SetSnippet(*item, hit);
        items.append(item);
    }
    list.addTopLevelItems(items);
    list.setColumnWidth(0, list.width() / 2);
}

void ShowSnippets(QTreeWidget &list, const store::SearchResults &results, int first, int count)
{
    for (int i = first; i < first + count && i < results.hits.size() && i < list.topLevelItemCount(); ++i)
        if (QTreeWidgetItem *item = list.topLevelItem(i);
            item->data(0, kResultTagRole).toString() == results.hits[i].fileName)
            SetSnippet(*item, results.hits[i]);
}

void MarkedTextDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QVariantList marks = index.data(kResultMarksRole).toList();
    if (marks.isEmpty()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString text = opt.text;
    opt.text.clear();
    const QStyle *style = opt.widget ? opt.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);

    const QRect room = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, opt.widget).adjusted(2, 0, -2, 0);
    QTextLayout layout(text, opt.font);
    QList<QTextLayout::FormatRange> formats;
    for (const QVariant &mark : marks) {
        const QPoint range = mark.toPoint();
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        formats.append({range.x(), range.y(), bold});
    }
    layout.setFormats(formats);
    QTextOption wrap;
    wrap.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(wrap);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    if (!line.isValid())
        return;
    painter->save();
    painter->setClipRect(room);
    const bool selected = opt.state & QStyle::State_Selected;
    painter->setPen(opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const qreal top = room.top() + (room.height() - line.height()) / 2;
    layout.draw(painter, QPointF(room.left(), top));
    painter->restore();
}

} // namespace veldra::shell
