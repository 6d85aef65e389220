#pragma once

#include "links/LinkHandlers.h"

#include <QObject>
#include <QPointer>
#include <QString>

class QMouseEvent;

namespace veldra::richtext
{
class RichTextBox;
}

namespace veldra::links
{

// Makes the hyperlinks of a rich-text document, such as the news, react as
// the reader's links do: the hand and a tooltip naming the target while the
// pointer is over one, and a click opens the target through the shell. Only
// targets the shell would open (web and mail) count as links. Lives as long
// as the box.
class NewsLinkHandlers : public QObject
{
public:
    // `appDir` is the program folder, where the hand's picture lies; links
    // open through `opener`.
    NewsLinkHandlers(richtext::RichTextBox *box, const QString &appDir, desktop::Opener opener = {});

    // The target of the link under the pointer at its last move, or empty.
    const QString &CurrentLink() const { return m_currentLink; }
    void setOpener(desktop::Opener opener) { m_opener = std::move(opener); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void MouseMove(const QMouseEvent *e);
    void Click();

    QPointer<richtext::RichTextBox> m_box;
    const QString &m_appDir;
    desktop::Opener m_opener;
    QString m_currentLink;
    ClickTracker m_click;
};

} // namespace veldra::links
