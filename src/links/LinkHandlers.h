#pragma once

class QLineEdit;
class QWidget;
namespace platform
{
class RichTextBox;
}

// Makes the reader panel's links react to the pointer: hover feedback and
// opening on click.
void InstallLinkHandlers(QWidget *frameReader, platform::RichTextBox *txtFAQ, QLineEdit *txtWebsite,
                         QLineEdit *txtAuthor, QLineEdit *txtSubject, QLineEdit *txtVersion);
