#pragma once

#include "transfer/FetchRequest.h"

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

namespace veldra::transfer
{

class CurlMulti;
class CurlTransfer;

// Fetches that run side by side on one multi handle, each with a sink of its
// own, without blocking the caller: as many documents at once as the caller
// starts, sharing connections (and one HTTP/2 connection where the server
// offers it). Requests may be conditional; a 304 answer then leaves the sink
// untouched and tells the caller that its copy is current.
class FetchGroup : public QObject
{
    Q_OBJECT
public:
    using Done = std::function<void(const FetchOutcome &)>;

    explicit FetchGroup(QObject *parent = nullptr);
    // Fetches still running end without their `done`.
    ~FetchGroup() override;

    // Starts a fetch beside the running ones. `done` runs exactly once, from
    // the event loop, also for a request that cannot start; `bytes`, when
    // given, hears how much has arrived. The sink must stay usable until then.
    void start(const FetchRequest &request, BodySink sink, Done done, BytesReport bytes = {});

    // Fetches started that have not finished.
    int running() const { return int(m_fetches.size()); }
    // Ends every running fetch as cancelled by the user.
    void abortAll();

private:
    void finished(CurlTransfer *transfer, const Done &done);

    std::unique_ptr<CurlMulti> m_multi;
    std::vector<std::unique_ptr<CurlTransfer>> m_fetches;
};

} // namespace veldra::transfer
