// Printing and saving the news or the document in the reader.
#include "desktop/Reporter.h"
#include "document/DocumentExport.h"
#include "links/LinkClass.h"
#include "richtext/RichTextBox.h"
#include "settings/Module1.h"
#include "shell/DesktopReporter.h"
#include "shell/Log.h"
#include "shell/ReaderTools.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QTextDocument>

namespace veldra::shell
{

namespace
{

int LocalPageSize()
{
    return QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4;
}

} // namespace

richtext::RichTextBox *ReaderTools::visibleBody() const
{
    if (m_ui.frameNews->isVisible())
        return m_ui.News;
    if (m_ui.frameReader->isVisible())
        return m_ui.txtFAQ;
    return nullptr;
}

std::unique_ptr<QTextDocument> ReaderTools::exportCopy(richtext::RichTextBox *body) const
{
    if (body == m_ui.News)
        return document::ExportDocument(QCoreApplication::translate("ReaderTools", "Community News"), {},
                                        *body->document());
    // Without a document the reader shows only a note.
    if (m_state.FaqFile.isEmpty())
        return nullptr;
    const QString website = m_ui.txtWebsite->text();
    const QList<document::ExportField> fields = {
        {QCoreApplication::translate("ReaderTools", "Subject:"), m_ui.txtSubject->text(), QString()},
        {QCoreApplication::translate("ReaderTools", "Author:"), m_ui.txtAuthor->text(), QString()},
        {QCoreApplication::translate("ReaderTools", "Version:"), m_ui.txtVersion->text(), QString()},
        {QCoreApplication::translate("ReaderTools", "Website:"), website,
         links::HoldsWebsite(website) ? website : QString()},
    };
    const QString title = m_ui.txtSubject->text().trimmed();
    return document::ExportDocument(title.isEmpty() ? QFileInfo(m_state.FaqFile).fileName() : title, fields,
                                    *body->document());
}

void ReaderTools::print(richtext::RichTextBox *body)
{
    const std::unique_ptr<QTextDocument> copy = exportCopy(body);
    if (!copy) {
        showStatus(QCoreApplication::translate("ReaderTools", "There is no document to print."));
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(static_cast<QPageSize::PageSizeId>(LocalPageSize())));
    printer.setDocName(copy->metaInformation(QTextDocument::DocumentTitle));
    QPrintDialog dialog(&printer, m_ui.window);
    dialog.setWindowTitle(QCoreApplication::translate("ReaderTools", "Print Document"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    qCDebug(lcShell) << "printing" << copy->metaInformation(QTextDocument::DocumentTitle);
    copy->print(&printer);
}

QString ReaderTools::suggestedName(richtext::RichTextBox *body) const
{
    const QString base = body == m_ui.News ? QStringLiteral("news") : QFileInfo(m_state.FaqFile).completeBaseName();
    QString folder = m_saveFolder;
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return QDir(folder).filePath(base + QStringLiteral(".pdf"));
}

void ReaderTools::save(richtext::RichTextBox *body)
{
    if (body == m_ui.txtFAQ && m_state.FaqFile.isEmpty()) {
        showStatus(QCoreApplication::translate("ReaderTools", "There is no document to save."));
        return;
    }
    const QString pdf = QCoreApplication::translate("ReaderTools", "PDF document (*.pdf)");
    const QString html = QCoreApplication::translate("ReaderTools", "Web page (*.html *.htm)");
    const QString plain = QCoreApplication::translate("ReaderTools", "Plain text (*.txt)");
    QString filter = pdf;
    QString path = QFileDialog::getSaveFileName(
        m_ui.window, QCoreApplication::translate("ReaderTools", "Save Document As"), suggestedName(body),
        QStringList{pdf, html, plain}.join(QStringLiteral(";;")), &filter);
    if (path.isEmpty())
        return;
    // A name typed without its suffix takes the chosen format's.
    if (QFileInfo(path).suffix().isEmpty())
        path += filter == html    ? QStringLiteral(".html")
                : filter == plain ? QStringLiteral(".txt")
                                  : QStringLiteral(".pdf");
    m_saveFolder = QFileInfo(path).absolutePath();
    if (saveTo(body, path) && body == m_ui.txtFAQ)
        showStatus(QCoreApplication::translate("ReaderTools", "Saved as %1").arg(QFileInfo(path).fileName()));
}

bool ReaderTools::saveTo(richtext::RichTextBox *body, const QString &path)
{
    const std::unique_ptr<QTextDocument> copy = exportCopy(body);
    if (!copy)
        return false;
    if (const Status saved = document::SaveExport(path, *copy, LocalPageSize()); !saved) {
        m_reporter.MsgBox(QCoreApplication::translate("ReaderTools", "Could not save %1: %2").arg(path, saved.error()),
                          desktop::MsgBoxStyle::Critical, ErrorTitle(m_state.AppName));
        return false;
    }
    qCDebug(lcShell) << "saved" << path;
    return true;
}

} // namespace veldra::shell
