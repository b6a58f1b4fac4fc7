#pragma once

#include <condition_variable>
#include <cstddef>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace zofar::test {

/// A small HTTP/1.1 server on 127.0.0.1 for download tests, answering each connection in a
/// thread of its own and closing it after one answer. What it serves is set per path; an
/// unknown path gets a 404 web page.
class TestHttpServer {
public:
    struct Route {
        int status = 200;
        std::string contentType = "text/plain";
        std::string body;
        /// Answered with 304 to a request that names it in If-None-Match.
        std::string etag;
        /// Answered with 304 to a request that names it in If-Modified-Since.
        std::string lastModified;
        std::string location;                 ///< the Location header of a redirect
        bool sendLength = true;               ///< false: the end of the body is the end of the connection
        size_t cutAfter = std::string::npos;  ///< bytes of the body sent before the connection closes
        int delayBeforeHeadersMs = 0;
        int delayAfterHeadersMs = 0;  ///< a pause between the headers and the body

        /// A file served with status 200.
        static Route File(std::string type, std::string content) {
            Route r;
            r.contentType = std::move(type);
            r.body = std::move(content);
            return r;
        }
        static Route Redirect(std::string to) {
            Route r;
            r.status = 302;
            r.location = std::move(to);
            return r;
        }
        Route& Status(int s) { return status = s, *this; }
        Route& Etag(std::string e) { return etag = std::move(e), *this; }
        Route& LastModified(std::string m) { return lastModified = std::move(m), *this; }
        Route& WithoutLength() { return sendLength = false, *this; }
        Route& CutAfter(size_t n) { return cutAfter = n, *this; }
        Route& DelayHeaders(int ms) { return delayBeforeHeadersMs = ms, *this; }
        Route& DelayBody(int ms) { return delayAfterHeadersMs = ms, *this; }
    };
    /// A request as it arrived: its path and its headers (names in lower case).
    struct Request {
        std::string path;
        std::map<std::string, std::string> headers;
    };

    TestHttpServer();
    ~TestHttpServer();
    TestHttpServer(const TestHttpServer&) = delete;
    TestHttpServer& operator=(const TestHttpServer&) = delete;

    int Port() const { return port_; }
    /// "http://127.0.0.1:PORT" + path.
    std::string Url(const std::string& path) const;
    void Serve(const std::string& path, Route route);
    /// Stops listening and ends every connection: the port then refuses.
    void Stop();
    std::vector<Request> Requests() const;

private:
    void Listen();
    void Answer(int fd);
    /// Sleeps up to `ms`; false when the server stops meanwhile.
    bool Pause(int ms);

    int listenFd_ = -1;
    int port_ = 0;
    mutable std::mutex mutex_;
    std::condition_variable stopping_;
    bool stop_ = false;
    std::map<std::string, Route> routes_;
    std::vector<Request> requests_;
    std::vector<std::thread> connections_;
    std::thread listener_;
};

}  // namespace zofar::test
