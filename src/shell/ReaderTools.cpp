#include "shell/ReaderTools.h"

#include "desktop/Layout.h"
#include "richtext/RichTextBox.h"
#include "settings/Module1.h"
#include "shell/Log.h"
#include "text/OrdinaryFile.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QShortcut>

namespace veldra::shell
{

namespace
{

// A menu entry's text with its key beside it, as menus show keys. The key is
// only shown: the window's shortcut does the work, also while no menu is open.
QString WithKey(const QString &text, const QKeySequence &key)
{
    return text + QLatin1Char('\t') + key.toString(QKeySequence::NativeText);
}

const QKeySequence kBack(Qt::ALT | Qt::Key_Left);
const QKeySequence kForward(Qt::ALT | Qt::Key_Right);
const QKeySequence kBookmark(Qt::CTRL | Qt::Key_D);
const QKeySequence kBookmarks(Qt::CTRL | Qt::Key_B);

} // namespace

ReaderTools::ReaderTools(const ReaderToolsUi &ui, settings::Module1 &state, desktop::Reporter &reporter,
                         StoreHandle &store, std::function<void(const QString &path)> showStored,
                         std::function<void(const QString &)> read)
    : QObject(ui.window)
    , m_ui(ui)
    , m_state(state)
    , m_reporter(reporter)
    , m_store(store)
    , m_showStored(std::move(showStored))
    , m_read(std::move(read))
{
    // Beside the author and website boxes the reader's layout is empty; the
    // note stands there and moves nothing.
    m_status = desktop::MakeLabel(m_ui.frameReader, "Label8", QString(), 4080, 720, 3255, 615);
    m_status->setWordWrap(true);
    m_status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_status->setAccessibleDescription(
        QCoreApplication::translate("ReaderTools", "What the last action in the reader did"));
    connectKeys();
    for (richtext::RichTextBox *body : {m_ui.txtFAQ, m_ui.News})
        connect(body, &richtext::RichTextBox::contextMenuShowing, this,
                [this, body](QMenu *menu, const QPoint &) { addMenuEntries(body, menu); });
    // The mouse's back and forward buttons work over every control of the
    // window; the controls themselves have no use for them.
    qApp->installEventFilter(this);
}

ReaderTools::~ReaderTools() = default;

void ReaderTools::connectKeys()
{
    const auto onKeys = [this](const QList<QKeySequence> &keys, auto action) {
        for (const QKeySequence &k : keys)
            connect(new QShortcut(k, m_ui.window), &QShortcut::activated, this, action);
    };
    onKeys({kBack, QKeySequence(Qt::Key_Back)}, [this] { goBack(); });
    onKeys({kForward, QKeySequence(Qt::Key_Forward)}, [this] { goForward(); });
    onKeys({kBookmark}, [this] {
        if (m_ui.frameReader->isVisible())
            toggleBookmark();
    });
    onKeys({kBookmarks}, [this] { showBookmarks(); });
    onKeys({QKeySequence::Print}, [this] {
        if (richtext::RichTextBox *body = visibleBody())
            print(body);
    });
    onKeys({QKeySequence::Save}, [this] {
        if (richtext::RichTextBox *body = visibleBody())
            save(body);
    });
}

void ReaderTools::addMenuEntries(richtext::RichTextBox *body, QMenu *menu)
{
    menu->addSeparator();
    if (body == m_ui.txtFAQ) {
        QAction *back = menu->addAction(WithKey(QCoreApplication::translate("ReaderTools", "&Back"), kBack), this,
                                        [this] { goBack(); });
        back->setEnabled(m_trail.canGoBack());
        QAction *forward = menu->addAction(WithKey(QCoreApplication::translate("ReaderTools", "&Forward"), kForward),
                                           this, [this] { goForward(); });
        forward->setEnabled(m_trail.canGoForward());
        QAction *bookmark =
            menu->addAction(WithKey(QCoreApplication::translate("ReaderTools", "Boo&kmark This Document"), kBookmark),
                            this, [this] { toggleBookmark(); });
        bookmark->setEnabled(!m_state.FaqFile.isEmpty());
    }
    menu->addAction(WithKey(QCoreApplication::translate("ReaderTools", "Bookmarks and &History..."), kBookmarks), this,
                    [this] { showBookmarks(); });
    menu->addAction(WithKey(QCoreApplication::translate("ReaderTools", "&Print..."), QKeySequence(QKeySequence::Print)),
                    this, [this, body] { print(body); });
    menu->addAction(
        WithKey(QCoreApplication::translate("ReaderTools", "Save &As..."), QKeySequence(QKeySequence::Save)), this,
        [this, body] { save(body); });
}

void ReaderTools::goBack()
{
    if (m_trail.current().isEmpty()) {
        showStatus(QCoreApplication::translate("ReaderTools", "No document has been read yet."));
        return;
    }
    if (!m_trail.canGoBack()) {
        showStatus(QCoreApplication::translate("ReaderTools", "This is the first document read since the start."));
        return;
    }
    showStop(m_trail.back());
}

void ReaderTools::goForward()
{
    if (!m_trail.canGoForward()) {
        showStatus(QCoreApplication::translate("ReaderTools", "This is the last document read."));
        return;
    }
    showStop(m_trail.forward());
}

void ReaderTools::showStop(const std::optional<QString> &path)
{
    if (!path)
        return;
    // The copy on disk, as Read left it: nothing is downloaded again. One
    // that is gone is said in the note, not in a box.
    {
        QFile check;
        if (const Status readable = text::OpenOrdinaryFile(check, *path); !readable) {
            qCDebug(lcShell) << "the stored copy" << *path << "cannot be shown:" << readable.error();
            showStatus(QCoreApplication::translate("ReaderTools",
                                                   "The copy of %1 on disk is gone; read it again from the search.")
                           .arg(QFileInfo(*path).fileName()));
            return;
        }
    }
    m_showStored(*path);
    showStatus(QString());
}

void ReaderTools::showStatus(const QString &text)
{
    m_status->setText(text);
}

bool ReaderTools::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseButtonPress || !watched->isWidgetType() ||
        static_cast<QWidget *>(watched)->window() != m_ui.window)
        return false;
    const Qt::MouseButton button = static_cast<QMouseEvent *>(event)->button();
    if (button == Qt::BackButton)
        goBack();
    else if (button == Qt::ForwardButton)
        goForward();
    else
        return false;
    return true;
}

} // namespace veldra::shell
