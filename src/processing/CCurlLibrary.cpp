#include "CCurlLibrary.h"

#include <dlfcn.h>

#include <mutex>

namespace {

struct Api
{
    bool loaded = false;
    QString error;
    CURLcode (*globalInit)(long) = nullptr;
    CURL* (*easyInit)() = nullptr;
    void (*easyCleanup)(CURL*) = nullptr;
    CURLcode (*easyPerform)(CURL*) = nullptr;
    const char* (*easyStrerror)(CURLcode) = nullptr;
    CURLcode (*easySetopt)(CURL*, CURLoption, ...) = nullptr;
};

template <typename Function>
bool Resolve(void* library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(::dlsym(library, name));
    return function != nullptr;
}

Api LoadApi()
{
    Api api;
    // The library stays loaded until the program ends.
    void* library = ::dlopen("libcurl.so.4", RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        api.error = QString::fromLocal8Bit(::dlerror());
        return api;
    }
    if (!Resolve(library, "curl_global_init", api.globalInit) || !Resolve(library, "curl_easy_init", api.easyInit) ||
        !Resolve(library, "curl_easy_cleanup", api.easyCleanup) ||
        !Resolve(library, "curl_easy_perform", api.easyPerform) ||
        !Resolve(library, "curl_easy_strerror", api.easyStrerror) ||
        !Resolve(library, "curl_easy_setopt", api.easySetopt)) {
        api.error = QString::fromLocal8Bit(::dlerror());
        return api;
    }
    const CURLcode code = api.globalInit(CURL_GLOBAL_DEFAULT);
    if (code != CURLE_OK) {
        api.error = QString::fromUtf8(api.easyStrerror(code));
        return api;
    }
    api.loaded = true;
    return api;
}

const Api& TheApi()
{
    static std::once_flag once;
    static Api api;
    std::call_once(once, [] { api = LoadApi(); });
    return api;
}

} // namespace

bool CCurlLibrary::Load()
{
    return TheApi().loaded;
}

QString CCurlLibrary::LoadError()
{
    return TheApi().error;
}

CURL* CCurlLibrary::EasyInit()
{
    const Api& api = TheApi();
    return api.loaded ? api.easyInit() : nullptr;
}

void CCurlLibrary::Cleanup(CURL* handle)
{
    const Api& api = TheApi();
    if (api.loaded && handle)
        api.easyCleanup(handle);
}

CURLcode CCurlLibrary::Perform(CURL* handle)
{
    const Api& api = TheApi();
    return api.loaded ? api.easyPerform(handle) : CURLE_FAILED_INIT;
}

const char* CCurlLibrary::ErrorText(CURLcode code)
{
    const Api& api = TheApi();
    return api.loaded || api.easyStrerror ? api.easyStrerror(code) : "libcurl could not be loaded";
}

CCurlLibrary::SetOptionType CCurlLibrary::SetOptionFunction()
{
    const Api& api = TheApi();
    return api.loaded ? api.easySetopt : nullptr;
}
