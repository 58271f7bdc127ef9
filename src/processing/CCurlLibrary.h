#pragma once

#include <QString>

#include <curl/curl.h>

// libcurl, loaded at the first FTP or SFTP transfer instead of at every
// start of the program: the library and the ones it brings along (TLS, SSH,
// Kerberos, LDAP...) took about 10 ms of each start, also of every script
// run that delivers to a folder. Loading and libcurl's own start-up happen
// once, from whichever thread comes first. Without the library every call
// fails as libcurl fails when it cannot set up a transfer.
class CCurlLibrary
{
public:
    // Loads and starts libcurl once; false (and the reason in LoadError())
    // when it is not there.
    static bool Load();
    static QString LoadError();

    // libcurl's easy interface; nullptr or an error code when not loaded.
    static CURL* EasyInit();
    static void Cleanup(CURL* handle);
    static CURLcode Perform(CURL* handle);
    static const char* ErrorText(CURLcode code);
    template <typename T>
    static CURLcode SetOption(CURL* handle, CURLoption option, T value)
    {
        const auto setopt = SetOptionFunction();
        return setopt ? setopt(handle, option, value) : CURLE_FAILED_INIT;
    }

private:
    using SetOptionType = CURLcode (*)(CURL*, CURLoption, ...);
    static SetOptionType SetOptionFunction();
};
