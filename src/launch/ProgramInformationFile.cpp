#include "launch/ProgramInformationFile.h"

namespace zel {
namespace {

void Put(std::string& file, std::size_t offset, std::string_view bytes) {
    file.replace(offset, bytes.size(), bytes);
}

void Fill(std::string& file, std::size_t offset, std::size_t count, char byte) {
    file.replace(offset, count, count, byte);
}

std::string Template() {
    using namespace std::string_view_literals;
    std::string file(kProgramInformationSize, '\0');
    Put(file, 0x000, "\x00\xC3"sv);
    Fill(file, 0x002, 30, ' ');
    Put(file, 0x020, "\x00\x02"sv);
    Fill(file, 0x022, 65, ' ');
    Put(file, 0x063, "\x10"sv);
    Fill(file, 0x065, 64, ' ');
    Put(file, 0x0E6, "\x01\x00\xFF\x19\x50\x00\x00\x07"sv);
    Put(file, 0x171,
        "MICROSOFT PIFEX\x00\x87\x01\x00\x00\x71\x01"
        "WINDOWS 286 3.0\x00\xA3\x01\x9D\x01\x06"sv);
    Put(file, 0x1A3,
        "WINDOWS 386 3.0\x00\x21\x02\xB9\x01\x68\x00"
        "\x80\x02\x00\x00\x64\x00\x32\x00\xFF\xFF\x00\x00\xFF\xFF\x00\x00"
        "\xCA\x1F\x02\x00\x1F"sv);
    Fill(file, 0x1E8, 57, ' ');
    Put(file, 0x221, "WINDOWS VMM 4.0\x00\xFF\xFF\x37\x02\xAC\x01"sv);
    Put(file, 0x28F, "PIFMGR.DLL"sv);
    Put(file, 0x2E1, "\x22"sv);
    Put(file, 0x2ED, "\x32\x00\x01\x01"sv);
    Put(file, 0x2F9,
        "\x19\x00\xE1\x0F\x00\x00\x05\x00\x19\x00\x03\x00\xC8\x00\xE8\x03"
        "\x02\x00\x0A\x00\x01"sv);
    Put(file, 0x315, "\x1C"sv);
    Put(file, 0x321, "Terminal"sv);
    Put(file, 0x341, "Lucida Console"sv);
    Put(file, 0x363, "\x03"sv);
    Put(file, 0x373, "\x16"sv);
    Put(file, 0x3E1, "\x01"sv);
    return file;
}

void WriteField(std::string& file, PifField field, std::string_view text) {
    const std::string_view cut = text.substr(0, field.size - 1);
    Put(file, field.offset, cut);
    file[field.offset + cut.size()] = '\0';
}

} // namespace

std::string ComposeProgramInformation(const ProgramInformation& info) {
    static const std::string kTemplate = Template();
    std::string file = kTemplate;
    WriteField(file, kPifTitle, info.title);
    WriteField(file, kPifProgram, info.program);
    WriteField(file, kPifWorkingDirectory, info.workingDirectory);
    WriteField(file, kPifParameters, info.parameters);
    return file;
}

void WriteProgramInformationFile(Platform& platform, std::string_view filePath,
                                 std::string_view title, std::string_view programPath,
                                 std::string_view workingDirectory, std::string_view parameters) {
    const std::string bytes =
        ComposeProgramInformation({std::string(title), std::string(programPath),
                                   std::string(workingDirectory), std::string(parameters)});
    auto file = platform.CreateReplacement(filePath);
    file->Write(bytes);
    file->Close();
}

} // namespace zel
