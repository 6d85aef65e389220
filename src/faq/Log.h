#pragma once

#include <QLoggingCategory>

namespace veldra::faq
{
// Diagnostics of this library: "veldra.faq". Warnings show by default; switch
// on the rest with QT_LOGGING_RULES="veldra.faq.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcFaq)
} // namespace veldra::faq
