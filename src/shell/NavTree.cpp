#include "shell/NavTree.h"

#include <QWidget>

namespace veldra::shell
{

const QVector<NavNode> &NavNodes()
{
    static const QVector<NavNode> nodes = {
        {QStringLiteral("R1"), QT_TRANSLATE_NOOP("Form1", "Veldra"), QString(), 2, QStringLiteral("root")},
        {QStringLiteral("C1"), QT_TRANSLATE_NOOP("Form1", "Community News"), QStringLiteral("R1"), 3,
         QStringLiteral("news")},
        {QStringLiteral("C2"), QT_TRANSLATE_NOOP("Form1", "Search Solution"), QStringLiteral("R1"), 4,
         QStringLiteral("search")},
        {QStringLiteral("C3"), QT_TRANSLATE_NOOP("Form1", "FAQ-Reader"), QStringLiteral("R1"), 7,
         QStringLiteral("reader")},
        {QStringLiteral("R2"), QT_TRANSLATE_NOOP("Form1", "Settings"), QString(), 5, QStringLiteral("root2")},
        {QStringLiteral("C4"), QT_TRANSLATE_NOOP("Form1", "Proxy settings"), QStringLiteral("R2"), 6,
         QStringLiteral("proxy")},
        {QStringLiteral("R3"), QT_TRANSLATE_NOOP("Form1", "More"), QString(), 2, QStringLiteral("root3")},
        {QStringLiteral("C5"), QT_TRANSLATE_NOOP("Form1", "About..."), QStringLiteral("R3"), 2,
         QStringLiteral("about")},
    };
    return nodes;
}

const NavAction *FindNavAction(const QString &tag)
{
    using P = PanelChange;
    static const NavAction actions[] = {
        {QStringLiteral("root"),
         QT_TRANSLATE_NOOP("Form1", "Explore the world of Veldra!"),
         true,
         P::Unchanged,
         P::Unchanged,
         P::Unchanged,
         {0, 1, 2}},
        {QStringLiteral("news"),
         QT_TRANSLATE_NOOP("Form1", "Read todays community news"),
         false,
         P::Hide,
         P::Show,
         P::Hide,
         {0, 1, 2}},
        {QStringLiteral("search"),
         QT_TRANSLATE_NOOP("Form1", "Search for solutions on server"),
         false,
         P::Show,
         P::Hide,
         P::Hide,
         {0, 1, 2}},
        {QStringLiteral("root2"),
         QT_TRANSLATE_NOOP("Form1", "Configure Veldra"),
         true,
         P::Unchanged,
         P::Unchanged,
         P::Unchanged,
         {0, 1, 2}},
        {QStringLiteral("proxy"),
         QT_TRANSLATE_NOOP("Form1", "Configure Veldra for use with a proxy server"),
         true,
         P::Unchanged,
         P::Unchanged,
         P::Unchanged,
         {0, 1, 2}},
        // The reader is shown first, then search and news are hidden.
        {QStringLiteral("reader"),
         QT_TRANSLATE_NOOP("Form1", "Read your downloaded FAQ here"),
         true,
         P::Hide,
         P::Hide,
         P::Show,
         {2, 0, 1}},
        {QStringLiteral("about"),
         QT_TRANSLATE_NOOP("Form1", "About Veldra and the author"),
         true,
         P::Unchanged,
         P::Unchanged,
         P::Unchanged,
         {0, 1, 2}},
        {QStringLiteral("root3"),
         QT_TRANSLATE_NOOP("Form1", "Various options"),
         true,
         P::Unchanged,
         P::Unchanged,
         P::Unchanged,
         {0, 1, 2}},
    };
    for (const NavAction &a : actions)
        if (a.tag == tag)
            return &a;
    return nullptr;
}

void ApplyPanels(const NavAction &action, QWidget *const panels[3])
{
    const PanelChange changes[3] = {action.search, action.news, action.reader};
    for (int i : action.order) {
        if (changes[i] == PanelChange::Show)
            panels[i]->show();
        else if (changes[i] == PanelChange::Hide)
            panels[i]->hide();
    }
}

} // namespace veldra::shell
