#pragma once

#include "desktop/ShellOpen.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>

class QLineEdit;
class QMouseEvent;
class QWidget;

namespace veldra::richtext
{
class RichTextBox;
}

namespace veldra::links
{

// The reader panel's widgets whose links react to the pointer.
struct ReaderLinkWidgets {
    QWidget *frameReader = nullptr;
    richtext::RichTextBox *txtFAQ = nullptr;
    QLineEdit *txtWebsite = nullptr;
    QLineEdit *txtAuthor = nullptr;
    QLineEdit *txtSubject = nullptr;
    QLineEdit *txtVersion = nullptr;
};

// Tells a click from the end of a selection drag: the left button goes down and
// comes up again within the drag distance. The second press of a double click
// does not start a click, so a double click opens a link once.
class ClickTracker
{
public:
    void press(const QMouseEvent *e);
    void cancel() { m_down = false; }
    bool release(const QMouseEvent *e);

private:
    bool m_down = false;
    QPoint m_at;
};

// Makes the reader panel's links react to the pointer: hover feedback and
// opening on click. Lives as long as the panel.
class ReaderLinkHandlers : public QObject
{
public:
    // `appDir` is the program folder, where the hand's picture lies; links
    // open through `opener`.
    ReaderLinkHandlers(const ReaderLinkWidgets &widgets, const QString &appDir, desktop::Opener opener = {});

    // The word under the pointer at its last move over the body.
    const QString &CurrentLink() const { return m_currentLink; }
    void setOpener(desktop::Opener opener) { m_opener = std::move(opener); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void txtFAQ_MouseMove(const QMouseEvent *e);
    void txtFAQ_Click();
    void txtWebsite_MouseMove();
    void txtWebsite_Click();

    ReaderLinkWidgets m_widgets;
    QPointer<QWidget> m_guard; // the panel; the handlers act only while it exists
    const QString &m_appDir;
    desktop::Opener m_opener;
    QString m_currentLink;
    ClickTracker m_bodyClick, m_websiteClick;
};

} // namespace veldra::links
