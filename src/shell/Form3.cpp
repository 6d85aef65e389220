#include "shell/Form3.h"

#include "desktop/Twips.h"
#include "richtext/RichTextBox.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenu>

namespace veldra::shell
{

Form3::Form3()
{
    setObjectName(QStringLiteral("Form3"));
    setAttribute(Qt::WA_DeleteOnClose);
    mnuFunctions = new QMenu(QCoreApplication::translate("Form3", "Functions"), this);
    mnuFunctions->setObjectName(QStringLiteral("mnuFunctions"));
    mnuExport = mnuFunctions->addMenu(QCoreApplication::translate("Form3", "Export to"));
    mnuExport->setObjectName(QStringLiteral("mnuExport"));
    // Neither export is carried out: choosing an entry only closes the menu.
    mnuExportText = mnuExport->addAction(QCoreApplication::translate("Form3", "&Text"));
    mnuExportText->setObjectName(QStringLiteral("mnuExportText"));
    mnuExportHTML = mnuExport->addAction(QCoreApplication::translate("Form3", "&HTML"));
    mnuExportHTML->setObjectName(QStringLiteral("mnuExportHTML"));
    mnuExportHTML->setEnabled(false);
    ScriptHolder = new richtext::RichTextBox(this);
    ScriptHolder->setObjectName(QStringLiteral("ScriptHolder"));
    ScriptHolder->setGeometry(desktop::TwipsRect(120, 120, 7695, 4815));
}

void Form3::closeEvent(QCloseEvent *event)
{
    emit unloaded();
    QWidget::closeEvent(event);
}

} // namespace veldra::shell
