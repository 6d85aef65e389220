#pragma once

// A library store in a temporary folder, and documents to put into it.

#include "store/LibraryStore.h"

#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace storetest
{

inline veldra::store::DocumentText Doc(const QString &name, const QString &subject, const QString &body)
{
    veldra::store::DocumentText doc;
    doc.fileName = name;
    doc.subject = subject;
    doc.author = QStringLiteral("A. Writer");
    doc.body = body;
    doc.localPath = QStringLiteral("/library/") + name;
    doc.etag = QStringLiteral("\"e-") + name + QLatin1Char('"');
    doc.lastModified = QStringLiteral("Tue, 02 Jan 2024 10:00:00 GMT");
    doc.fetchedAt = QDateTime::fromMSecsSinceEpoch(1700000000000, Qt::UTC);
    return doc;
}

// The file names of the hits, sorted.
inline QStringList Names(const veldra::store::SearchResults &results)
{
    QStringList names;
    for (const auto &hit : results.hits)
        names.append(hit.fileName);
    std::sort(names.begin(), names.end());
    return names;
}

inline std::unique_ptr<veldra::store::LibraryStore> OpenStore(const QString &path)
{
    auto opened = veldra::store::LibraryStore::open(path);
    if (!opened) {
        qWarning() << opened.error();
        return nullptr;
    }
    return std::move(opened).value();
}

} // namespace storetest
