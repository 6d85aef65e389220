#include "richtext/RichTextBox.h"

#include "document/BoxDocument.h"
#include "richtext/Log.h"
#include "rtf/RtfReader.h"
#include "text/CodePage.h"
#include "text/OrdinaryFile.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QPointer>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include <memory>

namespace veldra::richtext
{

namespace
{
// The longest stretch a document load keeps the window's events waiting.
constexpr qint64 kLoadSliceMs = 25;
} // namespace

Status RichTextBox::loadFile(const QString &path)
{
    QFile f;
    if (const Status opened = text::OpenOrdinaryFile(f, path); !opened) {
        qCDebug(lcRichtext) << "cannot load" << path << ":" << opened.error();
        return opened;
    }
    const QByteArray data = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return Error{f.errorString()};
    if (data.startsWith("{\\rtf")) {
        if (const Status loaded = loadRtf(data); !loaded)
            return loaded;
    } else {
        QString t = document::NormaliseLineBreaks(text::DecodeAnsi(data));
        if (t.endsWith(QLatin1Char('\n')))
            t.chop(1);
        showPlain(t);
    }
    // Like a freshly loaded control: caret at the start, scrolled to the top.
    setTextCursor(QTextCursor(document()));
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    return {};
}

// The document is built off the widget and handed over complete: the text edit
// then lays it out a piece at a time, from the top, as it does with any new
// document, instead of all of it at once.
Status RichTextBox::loadRtf(const QByteArray &data)
{
    const int generation = ++m_generation;
    std::unique_ptr<QTextDocument> doc = document::NewDocument(document::SettingsOf(*document()));
    rtf::RtfLoader loader(data, doc.get());
    if (!loader.read(kLoadSliceMs)) {
        QPointer<RichTextBox> self(this);
        QEventLoop loop;
        QTimer slices;
        connect(&slices, &QTimer::timeout, &loop, [&] {
            // A finished load is shown on the next turn, after the events that
            // waited for its last slice.
            if (!self || self->m_generation != generation || loader.done())
                loop.quit();
            else
                loader.read(kLoadSliceMs);
        });
        slices.start(0);
        loop.exec();
        if (!self)
            return Error{QCoreApplication::translate("richtext", "The box was closed while the document was loading.")};
        if (!loader.done())
            return Error{QCoreApplication::translate("richtext", "The document load was stopped.")};
    }
    if (m_generation != generation)
        return Error{QCoreApplication::translate("richtext", "Newer text replaced the document while it was loading.")};
    adopt(doc.release());
    return {};
}

void RichTextBox::adopt(QTextDocument *doc)
{
    // The first document belongs to the text edit, which drops it itself;
    // the loaded ones are the box's.
    QTextDocument *old = document();
    const bool ours = old->parent() == this;
    doc->setParent(this);
    setDocument(doc);
    // Dropping a long document takes a while: not in the same turn as showing
    // the new one.
    if (ours)
        old->deleteLater();
    watchDocument();
    setCurrentCharFormat(QTextCharFormat());
}

} // namespace veldra::richtext
