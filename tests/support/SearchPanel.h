#pragma once

#include "shell/ProgressWindow.h"
#include "shell/SearchAction.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QWidget>

namespace testsupport
{

// A search panel of its own with the main window's progress window; the list is
// as wide as the main window's.
struct SearchPanel {
    explicit SearchPanel(const QString &indexFile)
        : indexFile(indexFile)
    {
        list->setGeometry(8, 64, 497, 337);
    }
    veldra::shell::SearchOutcome run(const QString &text)
    {
        txt->setText(text);
        return action.run(ui, indexFile);
    }

    QWidget owner;
    QLineEdit *txt = new QLineEdit(&owner);
    QPushButton *search = new QPushButton(&owner);
    QPushButton *read = new QPushButton(&owner);
    QTreeWidget *list = new QTreeWidget(&owner);
    QLabel *label = new QLabel(&owner);
    veldra::shell::SearchPanel ui{txt, search, read, list, label};
    veldra::shell::ProgressWindow progress{&owner};
    veldra::shell::SearchAction action{progress};
    QString indexFile;
};

} // namespace testsupport
