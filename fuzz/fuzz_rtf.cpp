// Feeds arbitrary bytes, behind an RTF header, to the RTF reader.
#include "rtf/RtfReader.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Broken pictures make the image decoders complain on every input.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    // Text formats carry fonts, which need the GUI application.
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Inputs that do not start like RTF get the header, so that the fuzzer need
    // not find it first.
    QByteArray rtf(reinterpret_cast<const char *>(data), qsizetype(size));
    if (!rtf.startsWith("{\\rtf"))
        rtf.prepend("{\\rtf1 ");
    QTextDocument doc;
    veldra::rtf::ReadRtf(rtf, &doc);
    // Walk the result so that a broken document structure shows up here.
    (void)doc.toPlainText();
    return 0;
}
