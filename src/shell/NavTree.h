#pragma once

#include <QString>
#include <QVector>

class QWidget;

namespace veldra::shell
{

// Item data roles of the navigation tree's nodes.
constexpr int kNodeKeyRole = 0x0100 + 10;
constexpr int kNodeTagRole = 0x0100 + 11;
constexpr int kNodeIconRole = 0x0100 + 12;

// One node of the navigation tree, in the order the nodes are added.
struct NavNode {
    QString key;
    const char *text;  // source text; shown translated
    QString parentKey; // empty for a top-level node
    int icon;          // index into ImageList2, from 1
    QString tag;       // decides what a click does
};
const QVector<NavNode> &NavNodes();

// What a click on a node with a given tag does to the panels and the info box.
enum class PanelChange { Unchanged, Show, Hide };
struct NavAction {
    QString tag;
    const char *info; // source text; shown translated
    bool infoFirst;   // info text set before the panels are switched
    // In the order search, news, reader; `order` says in which order they change.
    PanelChange search, news, reader;
    int order[3];
};
// The action for a tag (exact, case-sensitive), or nullptr for any other tag.
const NavAction *FindNavAction(const QString &tag);
// Shows and hides panels[] = {search, news, reader} as the action says.
void ApplyPanels(const NavAction &action, QWidget *const panels[3]);

} // namespace veldra::shell
