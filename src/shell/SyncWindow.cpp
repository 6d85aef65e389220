#include "shell/SyncWindow.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace veldra::shell
{

SyncWindow::SyncWindow(QWidget *owner)
    : QDialog(owner)
    , m_status(new QLabel(this))
    , m_bar(new QProgressBar(this))
    , m_cancel(new QPushButton(QCoreApplication::translate("SyncWindow", "Cancel"), this))
{
    setObjectName(QStringLiteral("SyncWindow"));
    setWindowTitle(QCoreApplication::translate("SyncWindow", "Make the library available offline"));
    setModal(false);
    m_status->setObjectName(QStringLiteral("syncStatus"));
    m_status->setWordWrap(true);
    m_status->setAccessibleName(QCoreApplication::translate("SyncWindow", "Progress of the download"));
    m_bar->setObjectName(QStringLiteral("syncBar"));
    m_bar->setAccessibleName(QCoreApplication::translate("SyncWindow", "Documents done"));
    m_cancel->setObjectName(QStringLiteral("syncCancel"));
    m_cancel->setAccessibleName(QCoreApplication::translate("SyncWindow", "Cancel"));
    m_cancel->setDefault(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_status);
    layout->addWidget(m_bar);
    layout->addWidget(m_cancel, 0, Qt::AlignRight);
    // Wide enough for the longest status line in the font the user chose.
    setMinimumWidth(m_status->fontMetrics().averageCharWidth() * 60);
    connect(m_cancel, &QPushButton::clicked, this, &SyncWindow::reject);
    showProgress(0, 0, 0);
}

void SyncWindow::showProgress(int done, int total, qint64 bytes)
{
    m_bar->setRange(0, qMax(total, 1));
    m_bar->setValue(qMin(done, qMax(total, 1)));
    m_status->setText(QCoreApplication::translate("SyncWindow", "Documents: %1 of %2, %3 downloaded")
                          .arg(done)
                          .arg(total)
                          .arg(QLocale().formattedDataSize(bytes)));
}

void SyncWindow::setCancelling()
{
    m_cancel->setEnabled(false);
    m_status->setText(QCoreApplication::translate("SyncWindow", "Stopping..."));
}

void SyncWindow::reject()
{
    // The window stays until the downloads under way have ended.
    emit cancelRequested();
}

} // namespace veldra::shell
