#include "yield/HttpFetch.h"

#include <QLibrary>
#include <QMetaObject>
#include <curl/curl.h>

namespace {

// libcurl, and the TLS, Kerberos and LDAP libraries behind it, are loaded
// with the first request instead of at every program start, in the worker
// thread so the window never waits for it (the global set-up of this libcurl
// version is thread-safe, and the local static runs it once).
struct CurlApi {
    CURLcode (*global_init)(long) = nullptr;
    CURL* (*easy_init)() = nullptr;
    CURLcode (*easy_setopt)(CURL*, CURLoption, ...) = nullptr;
    CURLcode (*easy_perform)(CURL*) = nullptr;
    CURLcode (*easy_getinfo)(CURL*, CURLINFO, ...) = nullptr;
    void (*easy_cleanup)(CURL*) = nullptr;
    const char* (*easy_strerror)(CURLcode) = nullptr;
    curl_slist* (*slist_append)(curl_slist*, const char*) = nullptr;
    void (*slist_free_all)(curl_slist*) = nullptr;
    bool ok = false;
};

template <class F>
bool Resolve(QLibrary& lib, F& f, const char* name)
{
    f = reinterpret_cast<F>(lib.resolve(name));
    return f != nullptr;
}

const CurlApi& Curl()
{
    static const CurlApi api = [] {
        CurlApi a;
        static QLibrary lib(QStringLiteral("curl"), 4); // stays loaded
        if (!lib.load())
            return a;
        a.ok = Resolve(lib, a.global_init, "curl_global_init") && Resolve(lib, a.easy_init, "curl_easy_init") &&
               Resolve(lib, a.easy_setopt, "curl_easy_setopt") && Resolve(lib, a.easy_perform, "curl_easy_perform") &&
               Resolve(lib, a.easy_getinfo, "curl_easy_getinfo") && Resolve(lib, a.easy_cleanup, "curl_easy_cleanup") &&
               Resolve(lib, a.easy_strerror, "curl_easy_strerror") &&
               Resolve(lib, a.slist_append, "curl_slist_append") && Resolve(lib, a.slist_free_all, "curl_slist_free_all");
        if (a.ok)
            a.global_init(CURL_GLOBAL_DEFAULT);
        return a;
    }();
    return api;
}

struct Sink {
    QByteArray* body;
    qsizetype max;
    bool tooLarge = false;
};

size_t WriteBody(char* data, size_t size, size_t count, void* user)
{
    auto* sink = static_cast<Sink*>(user);
    const size_t n = size * count;
    if (sink->body->size() + qsizetype(n) > sink->max) {
        sink->tooLarge = true;
        return 0; // ends the transfer with a write error
    }
    sink->body->append(data, qsizetype(n));
    return n;
}

int Progress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    const auto* cancel = static_cast<const std::atomic<bool>*>(user);
    return cancel && cancel->load() ? 1 : 0;
}

struct CurlDeleter {
    void operator()(CURL* c) const { Curl().easy_cleanup(c); }
};
struct SlistDeleter {
    void operator()(curl_slist* l) const { Curl().slist_free_all(l); }
};

} // namespace

MHttpResult HttpGet(const MHttpRequest& request, const std::atomic<bool>* cancel)
{
    MHttpResult result;
    const CurlApi& api = Curl();
    if (!api.ok) {
        result.Detail = QStringLiteral("libcurl not available");
        return result;
    }
    std::unique_ptr<CURL, CurlDeleter> curl(api.easy_init());
    if (!curl) {
        result.Detail = QStringLiteral("curl_easy_init");
        return result;
    }
    std::unique_ptr<curl_slist, SlistDeleter> headers(api.slist_append(nullptr, "Accept: text/html, */*"));
    const QByteArray url = request.Url.toUtf8();
    const QByteArray referer = request.Referer.toUtf8();
    Sink sink{&result.Body, request.MaxBody};
    CURL* c = curl.get();
    api.easy_setopt(c, CURLOPT_URL, url.constData());
    api.easy_setopt(c, CURLOPT_HTTPGET, 1L);
    api.easy_setopt(c, CURLOPT_HTTPHEADER, headers.get());
    api.easy_setopt(c, CURLOPT_USERAGENT, "Mozilla/3.0 (compatible; Indy Library)");
    api.easy_setopt(c, CURLOPT_REFERER, referer.constData());
    api.easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
    api.easy_setopt(c, CURLOPT_MAXREDIRS, 3L);
    api.easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
    api.easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    api.easy_setopt(c, CURLOPT_COOKIEFILE, ""); // cookie engine on, nothing read or written on disk
    api.easy_setopt(c, CURLOPT_PROXY, "");     // no proxy, whatever the environment says
    api.easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    api.easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, long(request.ConnectTimeoutMs));
    api.easy_setopt(c, CURLOPT_TIMEOUT_MS, long(request.TimeoutMs));
    api.easy_setopt(c, CURLOPT_MAXFILESIZE_LARGE, curl_off_t(request.MaxBody));
    api.easy_setopt(c, CURLOPT_WRITEFUNCTION, &WriteBody);
    api.easy_setopt(c, CURLOPT_WRITEDATA, &sink);
    api.easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
    api.easy_setopt(c, CURLOPT_XFERINFOFUNCTION, &Progress);
    api.easy_setopt(c, CURLOPT_XFERINFODATA, cancel);

    const CURLcode code = api.easy_perform(c);
    long status = 0;
    api.easy_getinfo(c, CURLINFO_RESPONSE_CODE, &status);
    result.Status = int(status);
    if (code != CURLE_OK) {
        result.Detail = sink.tooLarge ? QStringLiteral("reply too large") : QString::fromUtf8(api.easy_strerror(code));
        result.Body.clear();
        return result;
    }
    if (status < 200 || status > 299) {
        result.Detail = QStringLiteral("status %1").arg(status);
        result.Body.clear();
        return result;
    }
    result.Ok = true;
    return result;
}

MHttpFetch::MHttpFetch(QObject* parent) : QObject(parent)
{
}

MHttpFetch::~MHttpFetch()
{
    if (m_cancel)
        m_cancel->store(true);
    Join();
}

void MHttpFetch::Join()
{
    if (m_worker.joinable())
        m_worker.join();
}

bool MHttpFetch::Start(const MHttpRequest& request, std::function<void(const MHttpResult&)> done)
{
    if (m_busy)
        return false;
    Join();
    m_busy = true;
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    m_worker = std::thread([this, request, cancel = m_cancel, done = std::move(done)] {
        MHttpResult result = HttpGet(request, cancel.get());
        if (cancel->load())
            return; // the owner is going away
        QMetaObject::invokeMethod(
            this,
            [this, result = std::move(result), done] {
                Join();
                m_busy = false;
                if (done)
                    done(result);
            },
            Qt::QueuedConnection);
    });
    return true;
}
