#include "SqliteLibrary.h"

#include <dlfcn.h>

namespace {

template <typename Function>
void Resolve(void *library, const char *name, Function &function, std::string &why)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    if (!function && why.empty())
        why = std::string("libsqlite3 has no ") + name;
}

SqliteLibrary Load()
{
    SqliteLibrary library;
    // Kept loaded for the program's life.
    void *handle = dlopen("libsqlite3.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char *error = dlerror();
        library.why = std::string("libsqlite3 cannot be loaded (") + (error ? error : "unknown error") + ")";
        return library;
    }
    std::string &why = library.why;
    Resolve(handle, "sqlite3_open_v2", library.open_v2, why);
    Resolve(handle, "sqlite3_close_v2", library.close_v2, why);
    Resolve(handle, "sqlite3_exec", library.exec, why);
    Resolve(handle, "sqlite3_free", library.free, why);
    Resolve(handle, "sqlite3_prepare_v2", library.prepare_v2, why);
    Resolve(handle, "sqlite3_step", library.step, why);
    Resolve(handle, "sqlite3_reset", library.reset, why);
    Resolve(handle, "sqlite3_finalize", library.finalize, why);
    Resolve(handle, "sqlite3_bind_int64", library.bind_int64, why);
    Resolve(handle, "sqlite3_bind_null", library.bind_null, why);
    Resolve(handle, "sqlite3_bind_text", library.bind_text, why);
    Resolve(handle, "sqlite3_bind_blob", library.bind_blob, why);
    Resolve(handle, "sqlite3_column_int64", library.column_int64, why);
    Resolve(handle, "sqlite3_column_type", library.column_type, why);
    Resolve(handle, "sqlite3_column_text", library.column_text, why);
    Resolve(handle, "sqlite3_column_blob", library.column_blob, why);
    Resolve(handle, "sqlite3_column_bytes", library.column_bytes, why);
    Resolve(handle, "sqlite3_errmsg", library.errmsg, why);
    Resolve(handle, "sqlite3_errstr", library.errstr, why);
    Resolve(handle, "sqlite3_extended_errcode", library.extended_errcode, why);
    Resolve(handle, "sqlite3_busy_timeout", library.busy_timeout, why);
    Resolve(handle, "sqlite3_last_insert_rowid", library.last_insert_rowid, why);
    Resolve(handle, "sqlite3_db_readonly", library.db_readonly, why);
    return library;
}

} // namespace

const SqliteLibrary &Sqlite()
{
    // Leaked: a writer thread still at work at exit may use it.
    static const SqliteLibrary *library = new SqliteLibrary(Load());
    return *library;
}
