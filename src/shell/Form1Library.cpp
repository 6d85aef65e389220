// The main window and the library store: documents Read brings are indexed,
// the start's index marks what the server still lists, a lost store is built
// again from the stored copies, the search in document text, and the stored
// copy when Read cannot reach the server.
#include "desktop/Layout.h"
#include "desktop/Reporter.h"
#include "index/SubjectSearch.h"
#include "offline/IndexEntries.h"
#include "offline/RebuildStore.h"
#include "offline/StoredDocument.h"
#include "settings/Module1.h"
#include "settings/OfflineCopies.h"
#include "settings/SettingsStore.h"
#include "shell/FindBar.h"
#include "shell/Form1.h"
#include "shell/FullTextList.h"
#include "shell/Log.h"
#include "store/LibraryStore.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QTreeWidget>

namespace veldra::shell
{

namespace
{

const QString kSearchSection = QStringLiteral("Search");
const QString kFullTextKey = QStringLiteral("InDocumentText");
// Typing in the box searches again once this much time passed without a key.
constexpr int kTypingPauseMs = 300;

} // namespace

void Form1::BuildLibraryControls()
{
    // Right of the search button and above it: nothing specified moves.
    chkFullText = desktop::Place(
        new QCheckBox(QCoreApplication::translate("Form1", "Search in document text"), frameSearchOnline),
        "chkFullText", 5040, 600, 2475, 285);
    chkFullText->setAccessibleName(QCoreApplication::translate("Form1", "Search in document text"));
    chkFullText->setAccessibleDescription(QCoreApplication::translate(
        "Form1", "Search the words of the downloaded documents, not only the subjects; Ctrl+Shift+T"));
    cmdOffline = desktop::Place(
        new QPushButton(QCoreApplication::translate("Form1", "Make the library available offline"), frameSearchOnline),
        "cmdOffline", 3840, 180, 3675, 375);
    cmdOffline->setAccessibleName(QCoreApplication::translate("Form1", "Make the library available offline"));
    cmdOffline->setAccessibleDescription(QCoreApplication::translate(
        "Form1", "Downloads every document of the index that is not stored yet or has changed on the server; "
                 "Ctrl+Shift+O"));
    // Tab keeps the panels' own order; the keyboard reaches these two by
    // shortcuts of their own while the search panel is shown.
    for (QWidget *w : {static_cast<QWidget *>(chkFullText), static_cast<QWidget *>(cmdOffline)})
        w->setFocusPolicy(Qt::ClickFocus);
    const auto onSearchPanel = [this](const QKeySequence &keys, auto act) {
        auto *shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [this, act] {
            if (frameSearchOnline->isVisible())
                act();
        });
    };
    onSearchPanel(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T), [this] { chkFullText->toggle(); });
    onSearchPanel(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O), [this] { cmdOffline->click(); });
    chkFullText->setToolTip(QCoreApplication::translate("Form1", "Ctrl+Shift+T"));
    cmdOffline->setToolTip(QCoreApplication::translate("Form1", "Ctrl+Shift+O"));
    // In the reader, beside the subject: what the body shows when it is a stored copy.
    lblOfflineCopy = desktop::MakeLabel(frameReader, "lblOfflineCopy", QString(), 5160, 360, 2175, 1000);
    lblOfflineCopy->setWordWrap(true);
    lblOfflineCopy->setAccessibleName(QCoreApplication::translate("Form1", "Offline copy"));
    lblOfflineCopy->hide();

    m_typingPause = new QTimer(this);
    m_typingPause->setSingleShot(true);
    m_typingPause->setInterval(kTypingPauseMs);
    connect(m_typingPause, &QTimer::timeout, this, [this] { RunFullTextSearch(true); });
    connect(txtSearchText, &QLineEdit::textEdited, this, [this] {
        if (chkFullText->isChecked())
            m_typingPause->start();
    });
    connect(chkFullText, &QCheckBox::toggled, this, &Form1::FullTextToggled);
    connect(cmdOffline, &QPushButton::clicked, this, &Form1::cmdOffline_Click);
}

void Form1::OpenLibraryStore()
{
    // Opening reads the whole store; it runs beside the downloads.
    m_store.open(m_state.StorePath);
    const QSignalBlocker quiet(chkFullText);
    chkFullText->setChecked(settings::GetSetting(m_state.AppName, kSearchSection, kFullTextKey) == QLatin1String("1"));
}

void Form1::FullTextToggled(bool on)
{
    if (!m_state.AppName.isEmpty())
        settings::SaveSetting(m_state.AppName, kSearchSection, kFullTextKey,
                              on ? QStringLiteral("1") : QStringLiteral("0"));
    if (!on)
        m_typingPause->stop();
}

void Form1::IndexAfterRead(const QString &fileName, const QString &path)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    m_store.post(
        [fileName, path, now](store::LibraryStore &s) -> Status {
            const Result<store::DocumentText> doc = offline::ReadStoredDocument(fileName, path, {}, {}, now);
            if (!doc)
                return Error{doc.error()};
            if (const Status put = s.indexDocument(doc.value()); !put)
                return put;
            // Read now: no longer "updated since read".
            return s.recordRead(fileName, doc->subject, now);
        },
        StoreHandle::Done<Status>([fileName](Status done) {
            if (!done)
                qCWarning(lcShell) << fileName << "was not indexed:" << done.error();
        }));
}

void Form1::MarkListedDocuments()
{
    const QString indexFile = m_state.IndexFile;
    m_store.post([indexFile](store::LibraryStore &s) -> Status {
        const Result<QList<offline::IndexEntry>> entries = offline::ReadIndexEntries(indexFile);
        if (!entries)
            return Error{entries.error()};
        QStringList names;
        for (const offline::IndexEntry &e : entries.value())
            names << e.fileName;
        return s.markListed(names);
    });
}

void Form1::RebuildStoreIfNeeded()
{
    // Queued after the opening, so the store's outcome is known when it runs.
    const QString indexFile = m_state.IndexFile, folder = m_state.AppDir;
    m_store.post(
        [indexFile, folder](store::LibraryStore &s) -> Result<int> {
            if (s.outcome() == store::OpenOutcome::Existing)
                return 0;
            return offline::IndexStoredDocuments(s, indexFile, folder);
        },
        StoreHandle::Done<Result<int>>([this](Result<int> rebuilt) {
            if (!rebuilt) {
                qCWarning(lcShell) << "the stored documents were not indexed again:" << rebuilt.error();
                return;
            }
            if (rebuilt.value() == 0 && m_store.outcome() != store::OpenOutcome::Rebuilt)
                return;
            // Said once, under the search box, where the next search replaces it.
            const QString note =
                QCoreApplication::translate("Form1", "Search in document text rebuilt from the stored documents: %1")
                    .arg(rebuilt.value());
            Label2->setText(Label2->text().isEmpty() ? note : Label2->text() + QStringLiteral(" - ") + note);
        }),
        this);
}

void Form1::RunFullTextSearch(bool typed)
{
    m_typingPause->stop();
    const QString text = txtSearchText->text().trimmed();
    if (!typed)
        txtSearchText->setText(text);
    if (text.isEmpty()) {
        if (!typed)
            m_reporter.MsgBox(QCoreApplication::translate("Form1", "No text to search for!"),
                              desktop::MsgBoxStyle::Exclamation, m_state.AppName);
        return;
    }
    const int search = ++m_fullTextSearches;
    cmdRead->setEnabled(false);
    m_store.search(text, [this, search](Result<store::SearchResults> found) {
        if (search != m_fullTextSearches)
            return; // a newer search is under way
        if (!found) {
            lstResults->clear();
            Label2->setText(found.error());
            return;
        }
        m_fullTextHits = std::move(found).value();
        ListFullTextHits(*lstResults, m_fullTextHits);
        Label2->setText(index::FoundText(m_fullTextHits.hits.size()));
        m_searchCount = Label2->text();
        cmdRead->setEnabled(false);
        FillSnippetsFrom(store::Limits::kSnippetHits);
    });
}

void Form1::FillSnippetsFrom(int first)
{
    if (first >= m_fullTextHits.hits.size())
        return;
    const int search = m_fullTextSearches;
    m_store.fillSnippets(m_fullTextHits, first, store::Limits::kSnippetHits,
                         [this, search, first](Result<store::SearchResults> filled) {
                             if (search != m_fullTextSearches || !filled)
                                 return;
                             m_fullTextHits = std::move(filled).value();
                             ShowSnippets(*lstResults, m_fullTextHits, first, store::Limits::kSnippetHits);
                             FillSnippetsFrom(first + store::Limits::kSnippetHits);
                         });
}

bool Form1::ShowOfflineCopy(const QString &fileName)
{
    const QString path = m_state.AppDir + fileName;
    const QFileInfo copy(path);
    if (!copy.isFile() || copy.isSymLink() || copy.size() == 0)
        return false;
    m_state.FaqFile = path;
    SelectNode(TVNode(4));
    const QString note =
        QCoreApplication::translate("Form1", "Offline copy of %1").arg(settings::OfflineDate(copy.lastModified()));
    lblOfflineCopy->setText(note);
    lblOfflineCopy->setAccessibleName(note);
    lblOfflineCopy->show();
    return true;
}

void Form1::OpenFindWithHitWords(const QStringList &words)
{
    if (words.isEmpty())
        return;
    // The first word the document spells as the search found it.
    m_readerFind->openWith(words.first());
}

} // namespace veldra::shell
