#pragma once
#include <functional>
#include <string>
#include <vector>

class TFileFolder;

// Converts archives between the shipped form (JPEG colour + grey PNG mask, scripts as "._aim")
// and the prepared form the game loads (whole PNGs, ".aim" scripts run into ".pNg" pictures).
class TPNGMorf {
  public:
    // text is the source archive's path; percent 0..100.
    using ProgressCallback = std::function<void(const std::string& text, int percent)>;

    static constexpr int16_t ImageKind = 2;
    static constexpr int16_t ScriptKind = 1;

    explicit TPNGMorf(int jpegQuality = 90, ProgressCallback progress = nullptr);

    int JpegQuality() const { return quality_; }
    void SetJpegQuality(int quality); // clamped to 0..100

    // Adds the job line Source="source" Dest="dest".
    void AddJob(const std::string& source, const std::string& dest);
    std::vector<std::string>& Jobs() { return jobs_; }

    // Each job in order: a missing source raises "Can not find file <source>!"; an existing
    // destination is left alone (preparation happens once); otherwise its folders are made
    // and the archive is converted.
    void RunJobs();
    // Converts source into a new archive written (whole) to dest. Nothing is written when
    // anything fails.
    void ConvertArchive(const std::string& source, const std::string& dest);
    void ConvertEntries(TFileFolder& source, TFileFolder& dest);
    // Runs every ".aim" entry of dest, storing each result as <base>.pNg.
    void RunScripts(TFileFolder& dest);

  private:
    void ConvertEntry(TFileFolder& source, TFileFolder& dest, int index);

    int quality_ = 90;
    std::vector<std::string> jobs_;
    ProgressCallback progress_;
};
