#include "transfer/CurlFailure.h"

#include "transfer/CurlLibrary.h"

#include "transfer/CurlOptions.h"
#include "transfer/FetchError.h"

#include <QCoreApplication>
#include <cerrno>

namespace veldra::transfer
{

namespace
{

// OpenSSL's verification results (X509_V_ERR_*), a stable part of its API.
enum VerifyResult : long {
    kUnableToGetIssuer = 2,
    kNotYetValid = 9,
    kExpired = 10,
    kSelfSigned = 18,
    kSelfSignedInChain = 19,
    kUnableToGetIssuerLocally = 20,
    kUnableToVerifyLeaf = 21,
    kRevoked = 23,
    kInvalidPurpose = 26,
    kHostnameMismatch = 62,
    kIpMismatch = 64,
};

QString Where(const CurlFailure &f)
{
    return f.proxyName.isEmpty() ? HostPort(f.url) : ProxyLabel(f.proxyName);
}

QString CertificateProblem(const CurlFailure &f)
{
    // curl checks the name itself, once OpenSSL accepted the chain; its
    // verdict on the name comes only in words.
    const bool nameMismatch = f.verifyResult == kHostnameMismatch || f.verifyResult == kIpMismatch ||
                              f.curlText.contains(QLatin1String("subject name")) ||
                              f.curlText.contains(QLatin1String("host name"));
    if (nameMismatch)
        return QCoreApplication::translate("transfer", "its certificate is for another host than %1").arg(f.url.host());
    switch (f.verifyResult) {
    case kExpired:
        return QCoreApplication::translate("transfer", "its certificate has expired");
    case kNotYetValid:
        return QCoreApplication::translate("transfer", "its certificate is not valid yet");
    case kSelfSigned:
        return QCoreApplication::translate("transfer", "its certificate is self-signed, and not trusted");
    case kSelfSignedInChain:
    case kUnableToGetIssuer:
    case kUnableToGetIssuerLocally:
    case kUnableToVerifyLeaf:
        return QCoreApplication::translate("transfer",
                                           "its certificate was issued by an authority that is not trusted");
    case kRevoked:
        return QCoreApplication::translate("transfer", "its certificate has been revoked");
    case kInvalidPurpose:
        return QCoreApplication::translate("transfer", "its certificate is not meant for a server");
    default:
        return QCoreApplication::translate("transfer", "its certificate is not accepted (%1)").arg(f.curlText);
    }
}

QString Incomplete(const CurlFailure &f, const QString &what)
{
    return QCoreApplication::translate("transfer", "The document arrived incomplete: the server %1 after %2 bytes")
        .arg(what)
        .arg(f.received);
}

QString Received(const CurlFailure &f)
{
    if (f.announced >= 0)
        return QCoreApplication::translate("transfer", "%1 of %2 bytes").arg(f.received).arg(f.announced);
    return QCoreApplication::translate("transfer", "%1 bytes").arg(f.received);
}

QString ReceiveFailure(const CurlFailure &f)
{
    if (f.curlText.contains(QLatin1String("hexadecimal")))
        return Incomplete(f, QCoreApplication::translate("transfer", "sent an invalid chunk size"));
    if (f.curlText.contains(QLatin1String("chunk")))
        return Incomplete(f, QCoreApplication::translate("transfer", "sent a malformed chunk"));
    const bool reset = f.osError == ECONNRESET || f.curlText.contains(QLatin1String("reset"));
    if (!f.headDone) {
        if (reset)
            return QCoreApplication::translate("transfer", "The connection to %1 was reset before an answer arrived")
                .arg(Where(f));
        return QCoreApplication::translate("transfer", "The connection to %1 failed: %2").arg(Where(f), f.curlText);
    }
    if (reset)
        return QCoreApplication::translate("transfer",
                                           "The document arrived incomplete: the connection was reset after ") +
               Received(f);
    return QCoreApplication::translate("transfer", "The document arrived incomplete after %1: %2")
        .arg(Received(f), f.curlText);
}

} // namespace

QString DescribeCurlFailure(const CurlFailure &f)
{
    if (f.connectCode == 407)
        return DescribeStatus(407, QString(), f.proxyName);
    if (f.connectCode >= 300)
        return (f.proxyName.isEmpty()
                    ? QCoreApplication::translate("transfer", "The proxy server refused to connect to %1 (HTTP %2)")
                          .arg(HostPort(f.url))
                    : QCoreApplication::translate("transfer", "The proxy server %1 refused to connect to %2 (HTTP %3)")
                          .arg(f.proxyName, HostPort(f.url)))
            .arg(f.connectCode);
    switch (f.code) {
    case CURLE_COULDNT_RESOLVE_HOST:
        return QCoreApplication::translate("transfer", "Host not found: ") + f.url.host();
    case CURLE_COULDNT_RESOLVE_PROXY:
        return QCoreApplication::translate("transfer", "Proxy server not found: ") +
               (f.proxyName.isEmpty() ? f.curlText : f.proxyName);
    case CURLE_COULDNT_CONNECT:
        if (f.osError == ECONNREFUSED)
            return QCoreApplication::translate("transfer", "Connection refused by ") + Where(f);
        return QCoreApplication::translate("transfer", "Cannot connect to %1: %2").arg(Where(f), f.curlText);
    case CURLE_OPERATION_TIMEDOUT:
        if (f.curlText.contains(QLatin1String("too slow")))
            return DescribeLowSpeed(f.url, f.limit.lowSpeedBytesPerSecond, f.limit.lowSpeedSeconds);
        return QCoreApplication::translate("transfer", "Time-out: ") + f.curlText;
    case CURLE_GOT_NOTHING:
        if (f.answered)
            return QCoreApplication::translate("transfer",
                                               "The server closed the connection in the middle of its answer");
        return DescribeClosedWithoutAnswer(f.url, f.proxyName);
    case CURLE_PARTIAL_FILE:
        if (!f.headDone)
            return QCoreApplication::translate("transfer",
                                               "The server closed the connection in the middle of its answer");
        return QCoreApplication::translate("transfer",
                                           "The document arrived incomplete: the server closed the connection after ") +
               Received(f);
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
        return ReceiveFailure(f);
    case CURLE_BAD_CONTENT_ENCODING:
        return QCoreApplication::translate(
                   "transfer", "The document cannot be used: the server sent it in an encoding that cannot be "
                               "decoded (%1)")
            .arg(f.curlText);
    case CURLE_TOO_MANY_REDIRECTS:
        return QCoreApplication::translate("transfer", "More than %1 redirects from %2")
            .arg(kMaxRedirects)
            .arg(f.requested.toDisplayString());
    case CURLE_UNSUPPORTED_PROTOCOL:
        return QCoreApplication::translate("transfer", "Not an http or https address: ") + f.url.toDisplayString();
    case CURLE_PEER_FAILED_VERIFICATION:
        return QCoreApplication::translate("transfer", "The server %1 could not be verified: %2")
            .arg(HostPort(f.url), CertificateProblem(f));
    case CURLE_SSL_CACERT_BADFILE:
        if (!f.caFile.isEmpty())
            return QCoreApplication::translate("transfer",
                                               "The certificate authorities in %1 (SSL_CERT_FILE) cannot be read")
                .arg(f.caFile);
        return QCoreApplication::translate("transfer", "The system's certificate authorities cannot be read: ") +
               f.curlText;
    case CURLE_SSL_CONNECT_ERROR:
        return QCoreApplication::translate("transfer", "The secure connection to %1 failed: %2")
            .arg(Where(f), f.curlText);
    case CURLE_FILESIZE_EXCEEDED:
        return DescribeSizeLimit(f.limit.maxBytes);
    default:
        return f.curlText.isEmpty() ? QString::fromUtf8(Curl()->easy_strerror(f.code)) : f.curlText;
    }
}

} // namespace veldra::transfer
