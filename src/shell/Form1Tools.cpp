// The reader's tools on the main window's controls.
#include "settings/Module1.h"
#include "shell/Form1.h"
#include "shell/ReaderTools.h"

#include <QGroupBox>
#include <QLineEdit>

namespace veldra::shell
{

void Form1::ConnectReaderTools()
{
    const ReaderToolsUi ui{this, frameReader, frameNews, txtFAQ, News, txtSubject, txtAuthor, txtVersion, txtWebsite};
    m_tools = new ReaderTools(
        ui, m_state, m_reporter, m_store,
        [this](const QString &path) {
            // As a Read that has just downloaded the document.
            m_state.FaqFile = path;
            SelectNode(TVNode(4));
        },
        [this](const QString &fileName) {
            // Read from another window: the reader comes to the front.
            ReadDocument(fileName);
            raise();
            activateWindow();
        });
}

} // namespace veldra::shell
