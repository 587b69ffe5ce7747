#include "tx/usb_keyer_library_win32.h"

#include <string>

namespace qs::tx {

#if defined(__i386__)
// int qsCallRestoringStack(FARPROC function, const int* arguments, int count)
// Pushes the arguments right to left, calls, and puts the stack pointer back
// from %edi (callee-saved in both conventions), whatever the callee popped.
extern "C" int qsCallRestoringStack(FARPROC function, const int* arguments, int count);
asm(R"(
    .text
    .globl _qsCallRestoringStack
    .def _qsCallRestoringStack; .scl 2; .type 32; .endef
_qsCallRestoringStack:
    pushl %ebp
    movl %esp, %ebp
    pushl %esi
    pushl %edi
    movl 12(%ebp), %esi
    movl 16(%ebp), %ecx
    movl %esp, %edi
1:
    testl %ecx, %ecx
    jz 2f
    decl %ecx
    pushl (%esi,%ecx,4)
    jmp 1b
2:
    call *8(%ebp)
    movl %edi, %esp
    popl %edi
    popl %esi
    popl %ebp
    ret
)");

int callWithAnyConvention(FARPROC function, const int* arguments, int count) {
    return qsCallRestoringStack(function, arguments, count);
}
#else
namespace {

template <typename Function>
Function entryAs(FARPROC function) {
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(function));
}

}  // namespace

int callWithAnyConvention(FARPROC function, const int* arguments, int count) {
    switch (count) {
        case 1:
            return entryAs<int (*)(int)>(function)(arguments[0]);
        case 2:
            return entryAs<int (*)(int, int)>(function)(arguments[0], arguments[1]);
        case 3:
            return entryAs<int (*)(int, int, int)>(function)(arguments[0], arguments[1],
                                                             arguments[2]);
        default:
            return entryAs<int (*)()>(function)();
    }
}
#endif

namespace {

// The folder of the running program, with its trailing backslash.
std::wstring programFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

}  // namespace

WindowsUsbKeyerLibrary::~WindowsUsbKeyerLibrary() {
    free();
}

bool WindowsUsbKeyerLibrary::load(TextView libraryName) {
    free();
    const std::wstring name(libraryName.begin(), libraryName.end());
    const std::wstring folder = programFolder();
    if (!folder.empty()) module_ = LoadLibraryW((folder + name).c_str());
    if (!module_) module_ = LoadLibraryW(name.c_str());
    return module_ != nullptr;
}

bool WindowsUsbKeyerLibrary::findEntryPoints(const UsbKeyerEntryPoints& names) {
    if (!module_) return false;
    open_ = GetProcAddress(module_, names.open);
    close_ = GetProcAddress(module_, names.close);
    writeData_ = GetProcAddress(module_, names.writeData);
    return open_ && close_ && writeData_;
}

int WindowsUsbKeyerLibrary::open(int argument) {
    if (!open_) return -1;
    return callWithAnyConvention(open_, &argument, 1);
}

void WindowsUsbKeyerLibrary::close(int device) {
    if (close_) callWithAnyConvention(close_, &device, 1);
}

void WindowsUsbKeyerLibrary::writeData(int device, int argument, int data) {
    const int arguments[] = {device, argument, data};
    if (writeData_) callWithAnyConvention(writeData_, arguments, 3);
}

void WindowsUsbKeyerLibrary::free() {
    open_ = close_ = writeData_ = nullptr;
    if (!module_) return;
    FreeLibrary(module_);
    module_ = nullptr;
}

}  // namespace qs::tx
