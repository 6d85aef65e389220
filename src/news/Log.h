#pragma once

#include <QLoggingCategory>

namespace veldra::news
{
// Diagnostics of this library: "veldra.news". Warnings show by default; switch
// on the rest with QT_LOGGING_RULES="veldra.news.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcNews)
} // namespace veldra::news
