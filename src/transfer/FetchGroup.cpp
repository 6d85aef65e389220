#include "transfer/FetchGroup.h"

#include "transfer/CurlMulti.h"
#include "transfer/CurlTransfer.h"

#include <QCoreApplication>
#include <QPointer>

#include <algorithm>

namespace veldra::transfer
{

FetchGroup::FetchGroup(QObject *parent)
    : QObject(parent)
    , m_multi(std::make_unique<CurlMulti>())
{
}

FetchGroup::~FetchGroup()
{
    for (const std::unique_ptr<CurlTransfer> &transfer : m_fetches)
        transfer->onFinished = nullptr;
    m_multi.reset();
    m_fetches.clear();
}

void FetchGroup::start(const FetchRequest &request, BodySink sink, Done done, BytesReport bytes)
{
    auto transfer = std::make_unique<CurlTransfer>(request, std::move(sink));
    CurlTransfer *raw = transfer.get();
    if (const Status ready = raw->prepare(); !ready) {
        FetchOutcome outcome;
        outcome.status = ready;
        // From the event loop, as every other end.
        QMetaObject::invokeMethod(
            this, [done, outcome] { done(outcome); }, Qt::QueuedConnection);
        return;
    }
    raw->onBytes = std::move(bytes);
    raw->onFinished = [this, raw, done = std::move(done)] { finished(raw, done); };
    m_fetches.push_back(std::move(transfer));
    m_multi->add(raw);
}

void FetchGroup::finished(CurlTransfer *transfer, const Done &done)
{
    const auto it = std::find_if(m_fetches.begin(), m_fetches.end(),
                                 [transfer](const std::unique_ptr<CurlTransfer> &t) { return t.get() == transfer; });
    if (it == m_fetches.end())
        return;
    // The transfer goes once its handler has returned; `done` may start
    // further fetches or end this group meanwhile.
    std::unique_ptr<CurlTransfer> owned = std::move(*it);
    m_fetches.erase(it);
    const FetchOutcome outcome = owned->outcome();
    const Done keep = done;
    owned.release()->deleteLater();
    keep(outcome);
}

void FetchGroup::abortAll()
{
    m_multi->cancelAll(QCoreApplication::translate("transfer", "The transfer was cancelled"), true);
}

} // namespace veldra::transfer
