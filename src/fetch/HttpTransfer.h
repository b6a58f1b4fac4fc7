#pragma once

#include <string>

namespace zofar {

/// Bounds of one download.
struct HttpLimits {
    int connectTimeoutMs = 15000;  ///< until the answer's headers arrive
    int stallTimeoutMs = 30000;    ///< longest pause between two pieces of the body
    int maxRedirects = 5;
    long long maxBytes = 50LL * 1000 * 1000;  ///< a larger body is refused, announced or not
};

/// One GET, with the validators of a copy already held (empty: none).
struct HttpRequest {
    std::string url;
    std::string ifNoneMatch;      ///< the ETag of the copy held
    std::string ifModifiedSince;  ///< its Last-Modified
    HttpLimits limits;
};

/// How a transfer ended, before anyone judged the answer.
enum class TransferEnd {
    Answered,          ///< the server answered with a status and, for 200, the whole body
    Refused,           ///< nobody listens at the address
    HostNotFound,      ///< the server's name does not resolve
    TimedOut,          ///< no answer, or the body stalled, for longer than the limits allow
    CutShort,          ///< the connection ended before the body was complete
    TooLarge,          ///< the body is larger than the limit
    TooManyRedirects,  ///< more redirects than the limit
    Cancelled,         ///< the user cancelled
    Failed,            ///< anything else; `detail` says what
};

/// What a transfer brought back. For TooLarge and CutShort `received` and `contentLength` say
/// how far it got.
struct HttpResponse {
    TransferEnd end = TransferEnd::Failed;
    int status = 0;
    std::string contentType;
    std::string etag;
    std::string lastModified;
    long long contentLength = -1;  ///< -1 when the server did not say
    long long received = 0;
    std::string body;
    std::string detail;  ///< the transport's own words for Failed
};

/// Where a transfer reports its progress and learns that the user cancelled.
class DownloadProgress {
public:
    virtual ~DownloadProgress() = default;
    /// `received` bytes of `file` so far, of `total` (-1 when unknown).
    virtual void Progress(const std::string& file, long long received, long long total) = 0;
    /// True once the user asked to stop.
    virtual bool CancelRequested() = 0;
};

/// A client that downloads one address at a time. The call returns when the transfer has ended;
/// a screen's client keeps its window answering meanwhile.
class HttpTransfer {
public:
    virtual ~HttpTransfer() = default;
    virtual HttpResponse Get(const HttpRequest& request, DownloadProgress& progress) = 0;
};

}  // namespace zofar
