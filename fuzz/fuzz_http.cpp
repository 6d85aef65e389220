// The HTTP answer parser on arbitrary bytes: fed whole or in pieces of any
// size, the outcome is the same, the body is never longer than what arrived,
// and a complete body with a length has exactly that length.
#include "transfer/HttpResponseParser.h"

#include <cstdint>

using veldra::transfer::HttpResponseParser;

namespace
{

struct Outcome {
    QByteArray body;
    bool complete, failed, headReady;
    int status;
    QString error;
    bool operator==(const Outcome &o) const
    {
        return body == o.body && complete == o.complete && failed == o.failed && headReady == o.headReady &&
               status == o.status && error == o.error;
    }
};

Outcome Run(QByteArrayView input, qsizetype piece, bool close)
{
    HttpResponseParser parser;
    QByteArray body;
    for (qsizetype at = 0; at < input.size(); at += piece)
        parser.feed(input.sliced(at, qMin(piece, input.size() - at)), &body);
    if (close)
        parser.connectionClosed();
    if (parser.complete() && parser.framing() == HttpResponseParser::Framing::Length &&
        body.size() != parser.contentLength())
        __builtin_trap();
    if (parser.bodyBytes() != body.size() || body.size() > input.size())
        __builtin_trap();
    if (parser.complete() && parser.failed())
        __builtin_trap();
    return {body, parser.complete(), parser.failed(), parser.headReady(), parser.status(), parser.error()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const qsizetype piece = 1 + data[0] % 13;
    const bool close = data[0] & 0x80;
    const QByteArrayView input(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    if (!(Run(input, input.size() + 1, close) == Run(input, piece, close)))
        __builtin_trap();
    return 0;
}
