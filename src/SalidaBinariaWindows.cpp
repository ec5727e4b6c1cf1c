// Standard output and error without the C runtime's LF -> CR LF translation, so that each
// program writes on Windows the bytes it writes on Linux (jetsql's CSV has LF line ends).
#include <fcntl.h>
#include <io.h>

#include <cstdio>

namespace {

const bool bSalidaBinaria = [] {
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  return true;
}();

}  // namespace
