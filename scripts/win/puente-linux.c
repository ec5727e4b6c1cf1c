/* Under wine a Windows program can start a Linux one (CreateProcess runs it) but gets no
 * process handle, so it can neither wait for it nor read its exit status. The tests under
 * wine read the PDFs they write with poppler's and mdbtools' Linux programs: copied as
 * <name>.exe into a folder on wine's PATH, this program runs the Linux program <name>
 * through /bin/sh with its arguments (Windows paths turned into Linux ones), waits for it,
 * passes its output on and ends with its exit status. The output goes through files: the
 * pipes a Windows program hands over do not reach a Linux one (wine keeps their data in its
 * server), and the shell writes the status file only once the program has ended.
 * Built by scripts/win/test with the MinGW compiler. */
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <wchar.h>

typedef char*(CDECL* TaUnix)(LPCWSTR);
typedef WCHAR*(CDECL* TaDos)(const char*);

/* Copies a file to a standard handle, then deletes it. */
static void Vuelca(const wchar_t* sArchivo, DWORD nCual)
{
  HANDLE h = CreateFileW(sArchivo, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
  if (h != INVALID_HANDLE_VALUE) {
    char buf[65536];
    DWORD n, escritos;
    while (ReadFile(h, buf, sizeof buf, &n, NULL) && n > 0)
      WriteFile(GetStdHandle(nCual), buf, n, &escritos, NULL);
    CloseHandle(h);
  }
  DeleteFileW(sArchivo);
}

/* Appends one argument, quoted as the Windows command line is split (wine splits it so). */
static void Agrega(wchar_t* linea, const wchar_t* arg)
{
  wchar_t* p = linea + wcslen(linea);
  if (p != linea)
    *p++ = L' ';
  *p++ = L'"';
  for (const wchar_t* a = arg;; ++a) {
    size_t barras = 0;
    while (*a == L'\\') { ++barras; ++a; }
    if (*a == 0) { for (size_t i = 0; i < 2 * barras; ++i) *p++ = L'\\'; break; }
    if (*a == L'"') { for (size_t i = 0; i < 2 * barras + 1; ++i) *p++ = L'\\'; }
    else { for (size_t i = 0; i < barras; ++i) *p++ = L'\\'; }
    *p++ = *a;
  }
  *p++ = L'"';
  *p = 0;
}

/* A Windows path ("C:\..." or "C:/...") as the Linux path wine maps it to. */
static wchar_t* ComoLinux(TaUnix aUnix, const wchar_t* arg)
{
  if (!(arg[0] && arg[1] == L':' && (arg[2] == L'\\' || arg[2] == L'/')))
    return _wcsdup(arg);
  char* unix = aUnix(arg);
  if (!unix)
    return _wcsdup(arg);
  int n = MultiByteToWideChar(CP_UTF8, 0, unix, -1, NULL, 0);
  wchar_t* w = malloc(n * sizeof(wchar_t));
  MultiByteToWideChar(CP_UTF8, 0, unix, -1, w, n);
  HeapFree(GetProcessHeap(), 0, unix);
  return w;
}

int wmain(int argc, wchar_t** argv)
{
  HMODULE hKernel = GetModuleHandleW(L"kernel32");
  TaUnix aUnix = (TaUnix)GetProcAddress(hKernel, "wine_get_unix_file_name");
  TaDos aDos = (TaDos)GetProcAddress(hKernel, "wine_get_dos_file_name");
  if (!aUnix || !aDos) {
    fwprintf(stderr, L"puente-linux: solo funciona bajo wine\n");
    return 127;
  }
  wchar_t propio[MAX_PATH];
  GetModuleFileNameW(NULL, propio, MAX_PATH);
  wchar_t* nombre = wcsrchr(propio, L'\\') ? wcsrchr(propio, L'\\') + 1 : propio;
  wchar_t* punto = wcsrchr(nombre, L'.');
  if (punto)
    *punto = 0;

  wchar_t temporal[MAX_PATH], estado[MAX_PATH], salida[MAX_PATH], error[MAX_PATH];
  GetTempPathW(MAX_PATH, temporal);
  GetTempFileNameW(temporal, L"pl", 0, estado);
  GetTempFileNameW(temporal, L"ps", 0, salida);
  GetTempFileNameW(temporal, L"pe", 0, error);

  size_t largo = 1024 + (wcslen(estado) + wcslen(salida) + wcslen(error)) * 4;
  for (int i = 1; i < argc; ++i)
    largo += wcslen(argv[i]) * 4 + 64;
  wchar_t* linea = calloc(largo, sizeof(wchar_t));
  Agrega(linea, L"/bin/sh");
  Agrega(linea, L"-c");
  Agrega(linea, L"e=$1; s=$2; r=$3; shift 3; \"$0\" \"$@\" >\"$s\" 2>\"$r\" </dev/null; echo $? >\"$e\"");
  Agrega(linea, nombre);
  const wchar_t* temporales[] = {estado, salida, error};
  for (int i = 0; i < 3; ++i) {
    wchar_t* t = ComoLinux(aUnix, temporales[i]);
    Agrega(linea, t);
    free(t);
  }
  for (int i = 1; i < argc; ++i) {
    wchar_t* a = ComoLinux(aUnix, argv[i]);
    Agrega(linea, a);
    free(a);
  }

  STARTUPINFOW si = {sizeof si};
  PROCESS_INFORMATION pi = {0};
  /* The shell by its DOS name: a bare "/bin/sh" would be taken on the current drive. */
  if (!CreateProcessW(aDos("/bin/sh"), linea, NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi)) {
    fwprintf(stderr, L"puente-linux: no se pudo iniciar %ls (%lu)\n", nombre, GetLastError());
    return 127;
  }
  int codigo = -1;
  while (codigo < 0) {
    Sleep(10);
    FILE* f = _wfopen(estado, L"r");
    if (!f)
      continue;
    char texto[32] = {0};
    size_t n = fread(texto, 1, sizeof texto - 1, f);
    fclose(f);
    if (n > 0 && texto[n - 1] == '\n')
      codigo = atoi(texto);
  }
  DeleteFileW(estado);
  Vuelca(salida, STD_OUTPUT_HANDLE);
  Vuelca(error, STD_ERROR_HANDLE);
  return codigo;
}
