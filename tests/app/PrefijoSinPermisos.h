#pragma once
// What starts a program as a user without rights on the test's files: root reads every
// file, so as root the program runs as nobody through setpriv. Windows has no such user
// switch (nor Unix permissions; the test is skipped there).
#include <QStringList>

#ifdef _WIN32
inline QStringList PrefijoSinPermisos() { return {}; }
#else
#include <unistd.h>
inline QStringList PrefijoSinPermisos()
{
  if (geteuid() != 0)
    return {};
  return {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
}
#endif
