#include "yield/HttpFetch.h"

#include <QMetaObject>
#include <curl/curl.h>
#include <mutex>

namespace {

void GlobalInit()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
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
    void operator()(CURL* c) const { curl_easy_cleanup(c); }
};
struct SlistDeleter {
    void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};

} // namespace

MHttpResult HttpGet(const MHttpRequest& request, const std::atomic<bool>* cancel)
{
    GlobalInit();
    MHttpResult result;
    std::unique_ptr<CURL, CurlDeleter> curl(curl_easy_init());
    if (!curl) {
        result.Detail = QStringLiteral("curl_easy_init");
        return result;
    }
    std::unique_ptr<curl_slist, SlistDeleter> headers(curl_slist_append(nullptr, "Accept: text/html, */*"));
    const QByteArray url = request.Url.toUtf8();
    const QByteArray referer = request.Referer.toUtf8();
    Sink sink{&result.Body, request.MaxBody};
    CURL* c = curl.get();
    curl_easy_setopt(c, CURLOPT_URL, url.constData());
    curl_easy_setopt(c, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(c, CURLOPT_USERAGENT, "Mozilla/3.0 (compatible; Indy Library)");
    curl_easy_setopt(c, CURLOPT_REFERER, referer.constData());
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(c, CURLOPT_MAXREDIRS, 3L);
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_COOKIEFILE, ""); // cookie engine on, nothing read or written on disk
    curl_easy_setopt(c, CURLOPT_PROXY, "");     // no proxy, whatever the environment says
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, long(request.ConnectTimeoutMs));
    curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, long(request.TimeoutMs));
    curl_easy_setopt(c, CURLOPT_MAXFILESIZE_LARGE, curl_off_t(request.MaxBody));
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, &WriteBody);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &sink);
    curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, &Progress);
    curl_easy_setopt(c, CURLOPT_XFERINFODATA, cancel);

    const CURLcode code = curl_easy_perform(c);
    long status = 0;
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &status);
    result.Status = int(status);
    if (code != CURLE_OK) {
        result.Detail = sink.tooLarge ? QStringLiteral("reply too large") : QString::fromUtf8(curl_easy_strerror(code));
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
    GlobalInit();
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
