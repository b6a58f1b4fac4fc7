#include "fetch/QtHttpTransfer.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include <optional>

namespace zofar {

namespace {

// How often the loop looks whether the user cancelled, in ms.
constexpr int kCancelPollMs = 50;

struct ReplyDeleter {
    void operator()(QNetworkReply* reply) const { reply->deleteLater(); }
};

TransferEnd EndOfError(QNetworkReply::NetworkError error, int status) {
    using E = QNetworkReply::NetworkError;
    if (error == E::NoError) return TransferEnd::Answered;
    if (error == E::ConnectionRefusedError) return TransferEnd::Refused;
    if (error == E::HostNotFoundError) return TransferEnd::HostNotFound;
    if (error == E::TimeoutError) return TransferEnd::TimedOut;
    if (error == E::RemoteHostClosedError) return TransferEnd::CutShort;
    if (error == E::TooManyRedirectsError) return TransferEnd::TooManyRedirects;
    if (error == E::OperationCanceledError) return TransferEnd::Cancelled;
    // An answer with an error status (404, 500) is an answer; its status is judged later.
    return status > 0 ? TransferEnd::Answered : TransferEnd::Failed;
}

std::string Header(const QNetworkReply& reply, const char* name) { return reply.rawHeader(name).toStdString(); }

}  // namespace

QtHttpTransfer::QtHttpTransfer() : manager_(std::make_unique<QNetworkAccessManager>()) {}

QtHttpTransfer::~QtHttpTransfer() = default;

HttpResponse QtHttpTransfer::Get(const HttpRequest& request, DownloadProgress& progress) {
    HttpResponse response;
    const QUrl url(QString::fromStdString(request.url));
    if (!url.isValid() || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https"))) {
        response.detail = "not an http or https address";
        return response;
    }
    QNetworkRequest get(url);
    get.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    get.setMaximumRedirectsAllowed(request.limits.maxRedirects);
    get.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    get.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    get.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("ZOFAR"));
    // The body's length must be what Content-Length says, to tell a complete file from a cut one.
    get.setRawHeader("Accept-Encoding", "identity");
    if (!request.ifNoneMatch.empty()) get.setRawHeader("If-None-Match", QByteArray::fromStdString(request.ifNoneMatch));
    if (!request.ifModifiedSince.empty())
        get.setRawHeader("If-Modified-Since", QByteArray::fromStdString(request.ifModifiedSince));

    const std::string file = url.fileName().isEmpty() ? request.url : url.fileName().toStdString();
    std::unique_ptr<QNetworkReply, ReplyDeleter> reply(manager_->get(get));
    std::optional<TransferEnd> forced;
    QEventLoop loop;
    QTimer stall;
    stall.setSingleShot(true);
    QTimer cancelPoll;

    auto stop = [&](TransferEnd end) {
        if (forced) return;
        forced = end;
        reply->abort();
    };
    auto take = [&] {
        response.body += reply->readAll().toStdString();
        if (static_cast<long long>(response.body.size()) > request.limits.maxBytes) return stop(TransferEnd::TooLarge);
        progress.Progress(file, static_cast<long long>(response.body.size()), response.contentLength);
        stall.start(request.limits.stallTimeoutMs);
    };
    QObject::connect(reply.get(), &QNetworkReply::metaDataChanged, &loop, [&] {
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (status == 200 && length.isValid()) {
            response.contentLength = length.toLongLong();
            if (response.contentLength > request.limits.maxBytes) return stop(TransferEnd::TooLarge);
        }
        stall.start(request.limits.stallTimeoutMs);
    });
    QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop, take);
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(&stall, &QTimer::timeout, &loop, [&] { stop(TransferEnd::TimedOut); });
    QObject::connect(&cancelPoll, &QTimer::timeout, &loop, [&] {
        if (progress.CancelRequested()) stop(TransferEnd::Cancelled);
    });
    stall.start(request.limits.connectTimeoutMs);
    cancelPoll.start(kCancelPollMs);
    if (!reply->isFinished()) loop.exec();
    stall.stop();
    cancelPoll.stop();

    if (!forced) response.body += reply->readAll().toStdString();
    response.received = static_cast<long long>(response.body.size());
    response.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    response.contentType = Header(*reply, "Content-Type");
    response.etag = Header(*reply, "ETag");
    response.lastModified = Header(*reply, "Last-Modified");
    if (forced) {
        response.end = *forced;
        if (response.end != TransferEnd::CutShort) response.body.clear();
        return response;
    }
    if (!forced && response.received > request.limits.maxBytes) {
        response.end = TransferEnd::TooLarge;
        response.body.clear();
        return response;
    }
    response.end = EndOfError(reply->error(), response.status);
    response.detail = reply->errorString().toStdString();
    return response;
}

}  // namespace zofar
