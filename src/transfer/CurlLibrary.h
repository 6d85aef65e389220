#pragma once

#include <QString>

#include <curl/curl.h>

namespace veldra::transfer
{

// The libcurl functions the transfers use. The library is loaded at run time,
// not linked: it pulls some twenty libraries of its own (TLS, HTTP/2, name
// lookup, compression) whose loading took a quarter of the work before the
// first window. Loaded on a thread of its own from the start of the program,
// it is ready by the time the first download needs it.
struct CurlApi {
    CURLcode (*global_init)(long flags);
    CURL *(*easy_init)();
    void (*easy_cleanup)(CURL *easy);
    CURLcode (*easy_setopt)(CURL *easy, CURLoption option, ...);
    CURLcode (*easy_getinfo)(CURL *easy, CURLINFO info, ...);
    const char *(*easy_strerror)(CURLcode code);
    CURLM *(*multi_init)();
    CURLMcode (*multi_cleanup)(CURLM *multi);
    CURLMcode (*multi_add_handle)(CURLM *multi, CURL *easy);
    CURLMcode (*multi_remove_handle)(CURLM *multi, CURL *easy);
    CURLMcode (*multi_setopt)(CURLM *multi, CURLMoption option, ...);
    CURLMcode (*multi_socket_action)(CURLM *multi, curl_socket_t socket, int events, int *running);
    CURLMsg *(*multi_info_read)(CURLM *multi, int *left);
    const char *(*multi_strerror)(CURLMcode code);
    curl_slist *(*slist_append)(curl_slist *list, const char *text);
    void (*slist_free_all)(curl_slist *list);
};

// Starts loading libcurl, once per process; later calls do nothing.
void PreloadCurl();

// The library's functions, once it is loaded and initialised (waiting for the
// load when it is still under way), or null when it cannot be; CurlLoadError
// then says why.
const CurlApi *Curl();
QString CurlLoadError();

} // namespace veldra::transfer
