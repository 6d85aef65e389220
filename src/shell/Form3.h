#pragma once

#include <QWidget>

class QAction;
class QMenu;

namespace veldra::richtext
{
class RichTextBox;
}

namespace veldra::shell
{

// Never shown: holds the reader's Functions pop-up menu.
class Form3 : public QWidget
{
    Q_OBJECT
public:
    Form3();

    QMenu &functionsMenu() const { return *mnuFunctions; }

signals:
    void unloaded();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QMenu *mnuFunctions;
    QMenu *mnuExport;
    QAction *mnuExportText;
    QAction *mnuExportHTML;
    richtext::RichTextBox *ScriptHolder;
};

} // namespace veldra::shell
