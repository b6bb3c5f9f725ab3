// The few C library functions that the shipped program links, on top of KERNEL32: those that
// GCC's unwinder and C++ support library call, and memchr for loading the scheme. They stand
// in for a C runtime DLL, which Windows 95 does not have. Built without the compiler's
// built-in knowledge of them, lest it turn a loop here into a call to the function itself.
#include <windows.h>
#include <stddef.h>

extern "C" {

// Memory for exceptions and the support library's own tables: the process heap.
void *malloc(size_t size)
{
    return HeapAlloc(GetProcessHeap(), 0, size);
}

// Gives back what malloc took, among it every exception once caught.
void free(void *block)
{
    if (block)
        HeapFree(GetProcessHeap(), 0, block);
}

// Nothing runs at exit: the process ends with ExitProcess, which releases all it holds, so the
// unwinder's start-up need not hand back the frame tables it registered.
int atexit(void (*)())
{
    return 0;
}

// An exception that nobody catches ends here: at once, with a code that tells of the failure.
void abort()
{
    ExitProcess(3);
}

// The unwinder measures the augmentation strings of the frame tables.
size_t strlen(const char *s)
{
    return (size_t)lstrlenA(s);
}

// A catch clause is matched to the exception's type by comparing the types' names.
int strcmp(const char *a, const char *b)
{
    while (*a && *a == *b)
        a++, b++;
    return (unsigned char)*a - (unsigned char)*b;
}

// Loading the scheme asks whether a value that fills its buffer holds its terminating zero.
void *memchr(const void *block, int c, size_t size)
{
    const unsigned char *p = (const unsigned char *)block;
    for (; size; p++, size--)
        if (*p == (unsigned char)c)
            return (void *)p;
    return NULL;
}

}
