#pragma once

#include <memory>

#include "fetch/HttpTransfer.h"

class QNetworkAccessManager;

namespace zofar {

/// The HTTP client over Qt Network. Get runs a local event loop until the transfer ends, so the
/// windows keep answering (and a Cancel button can be pressed) meanwhile. Needs a
/// QCoreApplication.
class QtHttpTransfer : public HttpTransfer {
public:
    QtHttpTransfer();
    ~QtHttpTransfer() override;
    QtHttpTransfer(const QtHttpTransfer&) = delete;
    QtHttpTransfer& operator=(const QtHttpTransfer&) = delete;

    HttpResponse Get(const HttpRequest& request, DownloadProgress& progress) override;

private:
    std::unique_ptr<QNetworkAccessManager> manager_;
};

}  // namespace zofar
