#include "transfer/CurlLibrary.h"

#include "transfer/Log.h"

#include <QCoreApplication>

#include <dlfcn.h>

#include <future>

namespace veldra::transfer
{

namespace
{

// The soname the program was built against; the package depends on it.
constexpr char kLibrary[] = "libcurl.so.4";

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define VELDRA_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer) || __has_feature(memory_sanitizer)
#define VELDRA_SANITIZED 1
#endif
#endif

// How the library is opened. Bound lazily, as a program linked with it would
// be. Its twenty-odd libraries look their symbols up among themselves first
// (RTLD_DEEPBIND): otherwise each of their twelve thousand bindings first
// searches every library the program itself has, which is most of the load's
// time. That changes no binding: the program defines none of their symbols
// (no copy relocations in a position-independent program) and replaces no
// allocator. A sanitizer's runtime does replace it, and refuses deep binding.
#ifdef VELDRA_SANITIZED
constexpr int kOpenMode = RTLD_LAZY | RTLD_LOCAL;
#else
constexpr int kOpenMode = RTLD_LAZY | RTLD_LOCAL | RTLD_DEEPBIND;
#endif

struct Loaded {
    CurlApi api{};
    bool ok = false;
    QString error;
};

template <typename F> bool Find(void *library, const char *name, F *&function)
{
    function = reinterpret_cast<F *>(::dlsym(library, name));
    return function != nullptr;
}

Loaded Load()
{
    Loaded loaded;
    // Never unloaded: its functions are used until the program ends.
    void *library = ::dlopen(kLibrary, kOpenMode);
    if (!library) {
        loaded.error = QString::fromLocal8Bit(::dlerror());
        return loaded;
    }
    CurlApi &c = loaded.api;
    const bool found =
        Find(library, "curl_global_init", c.global_init) && Find(library, "curl_easy_init", c.easy_init) &&
        Find(library, "curl_easy_cleanup", c.easy_cleanup) && Find(library, "curl_easy_setopt", c.easy_setopt) &&
        Find(library, "curl_easy_getinfo", c.easy_getinfo) && Find(library, "curl_easy_strerror", c.easy_strerror) &&
        Find(library, "curl_multi_init", c.multi_init) && Find(library, "curl_multi_cleanup", c.multi_cleanup) &&
        Find(library, "curl_multi_add_handle", c.multi_add_handle) &&
        Find(library, "curl_multi_remove_handle", c.multi_remove_handle) &&
        Find(library, "curl_multi_setopt", c.multi_setopt) &&
        Find(library, "curl_multi_socket_action", c.multi_socket_action) &&
        Find(library, "curl_multi_info_read", c.multi_info_read) &&
        Find(library, "curl_multi_strerror", c.multi_strerror) && Find(library, "curl_slist_append", c.slist_append) &&
        Find(library, "curl_slist_free_all", c.slist_free_all);
    if (!found) {
        loaded.error = QCoreApplication::translate("transfer", "%1 lacks a function the program needs")
                           .arg(QLatin1String(kLibrary));
        return loaded;
    }
    // Once per process, before the first handle; thread-safe in the curl the
    // program is built for. It reads the TLS library's configuration, which
    // is worth doing here too.
    if (c.global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK) {
        loaded.error =
            QCoreApplication::translate("transfer", "%1 could not be initialised").arg(QLatin1String(kLibrary));
        return loaded;
    }
    loaded.ok = true;
    return loaded;
}

Loaded LoadAndSay()
{
    Loaded loaded = Load();
    if (!loaded.ok)
        qCWarning(lcTransfer) << "no transfers:" << loaded.error;
    return loaded;
}

const std::shared_future<Loaded> &Loading()
{
    // The thread that loads the library, started by the first call (or the
    // load itself at the first wait, when no thread is to be had).
    static const std::shared_future<Loaded> loading =
        std::async(std::launch::async | std::launch::deferred, LoadAndSay).share();
    return loading;
}

} // namespace

void PreloadCurl()
{
    Loading();
}

const CurlApi *Curl()
{
    const Loaded &loaded = Loading().get();
    return loaded.ok ? &loaded.api : nullptr;
}

QString CurlLoadError()
{
    return Loading().get().error;
}

} // namespace veldra::transfer
