#include "FXCrashSymbolizer.h"

#include <QFileInfo>

#include <elfutils/libdwfl.h>

#include <cxxabi.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

const Dwfl_Callbacks Callbacks = {
    .find_elf = dwfl_linux_proc_find_elf,
    .find_debuginfo = dwfl_standard_find_debuginfo,
    .section_address = nullptr,
    .debuginfo_path = nullptr,
};

QString demangled(const char *name)
{
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> readable(
        abi::__cxa_demangle(name, nullptr, nullptr, &status), &std::free);
    return QString::fromUtf8(status == 0 && readable ? readable.get() : name);
}

}

FXCrashSymbolizer::FXCrashSymbolizer(const QByteArray &memoryMap, const QList<Module> &modules)
    : m_dwfl(dwfl_begin(&Callbacks))
{
    if (!m_dwfl)
        return;
    dwfl_report_begin(m_dwfl);
    bool reported = false;
    if (!memoryMap.isEmpty()) {
        QByteArray text = memoryMap;
        if (FILE *stream = fmemopen(text.data(), size_t(text.size()), "r")) {
            reported = dwfl_linux_proc_maps_report(m_dwfl, stream) == 0;
            std::fclose(stream);
        }
    }
    if (!reported) {
        for (const Module &module : modules) {
            const QByteArray path = module.path.toUtf8();
            dwfl_report_elf(m_dwfl, path.constData(), path.constData(), -1, module.address, true);
        }
    }
    dwfl_report_end(m_dwfl, nullptr, nullptr);
}

FXCrashSymbolizer::~FXCrashSymbolizer()
{
    if (m_dwfl)
        dwfl_end(m_dwfl);
}

FXCrashSymbolizer::Frame FXCrashSymbolizer::describe(quint64 address, bool isReturnAddress) const
{
    Frame frame;
    if (!m_dwfl)
        return frame;
    // A return address may already lie in the next line, or past the end of a function that ends
    // in a call that does not return.
    const Dwarf_Addr lookup = isReturnAddress && address > 0 ? address - 1 : address;
    Dwfl_Module *module = dwfl_addrmodule(m_dwfl, lookup);
    if (!module)
        return frame;
    const char *mainFile = nullptr;
    const char *name = dwfl_module_info(module, nullptr, nullptr, nullptr, nullptr, nullptr,
                                        &mainFile, nullptr);
    frame.module = QFileInfo(QString::fromUtf8(mainFile ? mainFile : name)).fileName();
    GElf_Off offset = 0;
    GElf_Sym symbol;
    if (const char *function = dwfl_module_addrinfo(module, lookup, &offset, &symbol, nullptr,
                                                    nullptr, nullptr))
        frame.function = demangled(function);
    if (Dwfl_Line *line = dwfl_module_getsrc(module, lookup)) {
        int number = 0;
        if (const char *source = dwfl_lineinfo(line, nullptr, &number, nullptr, nullptr, nullptr))
            frame.source = QFileInfo(QString::fromUtf8(source)).fileName() + u':'
                           + QString::number(number);
    }
    return frame;
}

QList<FXCrashSymbolizer::Module> FXCrashSymbolizer::modules() const
{
    QList<Module> found;
    if (!m_dwfl)
        return found;
    dwfl_getmodules(
        m_dwfl,
        [](Dwfl_Module *, void **, const char *name, Dwarf_Addr start, void *list) {
            static_cast<QList<Module> *>(list)->append({start, QString::fromUtf8(name)});
            return int(DWARF_CB_OK);
        },
        &found, 0);
    return found;
}
