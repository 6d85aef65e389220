#pragma once

#include <QWidget>

class QAction;
class QMenu;
namespace platform {
class RichTextBox;
}

// Never shown: holds the reader's Functions pop-up menu.
class Form3 : public QWidget
{
    Q_OBJECT
public:
    static Form3 *Get();
    static Form3 *Existing();
    ~Form3() override;

    QMenu *mnuFunctions;
    QMenu *mnuExport;
    QAction *mnuExportText;
    QAction *mnuExportHTML;
    platform::RichTextBox *ScriptHolder;

private:
    Form3();
};
