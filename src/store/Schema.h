#pragma once

#include "text/Result.h"

#include <QString>
#include <QStringList>

namespace veldra::store
{

class Connection;

// The version of the tables below, kept in PRAGMA user_version. A file with
// another version is taken as damaged and built afresh.
constexpr int kSchemaVersion = 1;

// The statements that make an empty store. The documents table holds each
// document's text once; documents_fts is a full-text index over its subject,
// author and body that stores no second copy (external content) and is kept in
// step by the triggers.
QStringList SchemaStatements();

enum class SchemaState {
    Empty,   // a new file: no tables, version 0
    Current, // this program's tables, whole
    Damaged, // not a database, damaged pages, or tables of another shape or version
};

struct SchemaCheck {
    SchemaState state = SchemaState::Empty;
    QString reason; // why it is damaged
};

// Looks at what the open file holds, down to a check of every page. A
// failure that is not damage (the disk, permissions) comes back as an error.
Result<SchemaCheck> InspectSchema(Connection &connection);

// Makes the tables in an empty file, in one write transaction; another
// connection that made them meanwhile is fine.
Status CreateSchema(Connection &connection);

} // namespace veldra::store
