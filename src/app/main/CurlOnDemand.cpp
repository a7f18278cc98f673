// The program's own entry points for the few libcurl functions it calls. libcurl brings a TLS
// library, Kerberos, LDAP, SSH and RTMP clients and more: tens of libraries that a start of
// the program, which asks nothing of the network before its menu shows, has no use for. These
// definitions take the place of the library's at link time (the program is linked with
// --as-needed, so libcurl is not among the libraries the loader maps at start); the first call
// opens libcurl and every call goes on to its own function. Without libcurl each call fails
// the way libcurl reports a failure, so a request answers with an error and nothing crashes.

#ifndef CURL_DISABLE_TYPECHECK
#define CURL_DISABLE_TYPECHECK  // the checking macros would hide the functions defined here
#endif
#include <curl/curl.h>
#include <dlfcn.h>

#include <cstdarg>
#include <mutex>

namespace {

// The flags of the program's curl_global_init, handed on when libcurl is opened.
long globalFlags = CURL_GLOBAL_DEFAULT;

struct Curl {
  decltype(&curl_global_init) globalInit = nullptr;
  decltype(&curl_easy_init) easyInit = nullptr;
  decltype(&curl_easy_setopt) easySetopt = nullptr;
  decltype(&curl_easy_perform) easyPerform = nullptr;
  decltype(&curl_easy_getinfo) easyGetinfo = nullptr;
  decltype(&curl_easy_cleanup) easyCleanup = nullptr;
  decltype(&curl_easy_strerror) easyStrerror = nullptr;
  decltype(&curl_slist_append) slistAppend = nullptr;
  decltype(&curl_slist_free_all) slistFreeAll = nullptr;
  bool loaded = false;
};

template <typename F>
bool Find(void* library, const char* name, F& function) {
  function = reinterpret_cast<F>(dlsym(library, name));
  return function != nullptr;
}

const Curl& TheCurl() {
  static Curl curl;
  static std::once_flag once;
  std::call_once(once, [] {
    void* library = dlopen("libcurl.so.4", RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) return;
    curl.loaded = Find(library, "curl_global_init", curl.globalInit) &&
                  Find(library, "curl_easy_init", curl.easyInit) &&
                  Find(library, "curl_easy_setopt", curl.easySetopt) &&
                  Find(library, "curl_easy_perform", curl.easyPerform) &&
                  Find(library, "curl_easy_getinfo", curl.easyGetinfo) &&
                  Find(library, "curl_easy_cleanup", curl.easyCleanup) &&
                  Find(library, "curl_easy_strerror", curl.easyStrerror) &&
                  Find(library, "curl_slist_append", curl.slistAppend) &&
                  Find(library, "curl_slist_free_all", curl.slistFreeAll);
    if (curl.loaded) curl.loaded = curl.globalInit(globalFlags) == CURLE_OK;
  });
  return curl;
}

}  // namespace

extern "C" {

// Called as the program's request frame is made, which is long before its first request: the
// flags are kept and libcurl is set up with them when it is opened.
CURLcode curl_global_init(long flags) {
  globalFlags = flags;
  return CURLE_OK;
}

CURL* curl_easy_init(void) {
  const Curl& c = TheCurl();
  return c.loaded ? c.easyInit() : nullptr;
}

// The option's number tells the type of its one value (curl.h: CURLOPTTYPE_*), so the value
// is taken and handed on as what it is.
CURLcode curl_easy_setopt(CURL* handle, CURLoption option, ...) {
  const Curl& c = TheCurl();
  if (!c.loaded) return CURLE_FAILED_INIT;
  va_list args;
  va_start(args, option);
  CURLcode result;
  if (option < CURLOPTTYPE_OBJECTPOINT) {
    result = c.easySetopt(handle, option, va_arg(args, long));
  } else if (option < CURLOPTTYPE_FUNCTIONPOINT) {
    result = c.easySetopt(handle, option, va_arg(args, void*));
  } else if (option < CURLOPTTYPE_OFF_T) {
    result = c.easySetopt(handle, option, va_arg(args, void (*)()));
  } else if (option < CURLOPTTYPE_BLOB) {
    result = c.easySetopt(handle, option, va_arg(args, curl_off_t));
  } else {
    result = c.easySetopt(handle, option, va_arg(args, void*));
  }
  va_end(args);
  return result;
}

CURLcode curl_easy_perform(CURL* handle) {
  const Curl& c = TheCurl();
  return c.loaded ? c.easyPerform(handle) : CURLE_FAILED_INIT;
}

// Every piece of information is written through a pointer.
CURLcode curl_easy_getinfo(CURL* handle, CURLINFO info, ...) {
  const Curl& c = TheCurl();
  if (!c.loaded) return CURLE_FAILED_INIT;
  va_list args;
  va_start(args, info);
  void* target = va_arg(args, void*);
  va_end(args);
  return c.easyGetinfo(handle, info, target);
}

void curl_easy_cleanup(CURL* handle) {
  const Curl& c = TheCurl();
  if (c.loaded) c.easyCleanup(handle);
}

const char* curl_easy_strerror(CURLcode code) {
  const Curl& c = TheCurl();
  return c.loaded ? c.easyStrerror(code) : "libcurl (libcurl.so.4) could not be opened";
}

curl_slist* curl_slist_append(curl_slist* list, const char* text) {
  const Curl& c = TheCurl();
  return c.loaded ? c.slistAppend(list, text) : nullptr;
}

void curl_slist_free_all(curl_slist* list) {
  const Curl& c = TheCurl();
  if (c.loaded) c.slistFreeAll(list);
}

}  // extern "C"
