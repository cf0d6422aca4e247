// RecordingRouterHost.h: a COutputRouterHost that records every call, for
// the native tests of the output routing (and any driver that needs the
// whole emulator output path without windows). Thread-safe.
#pragma once

#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "session/OutputRouterHost.h"

class CRecordingRouterHost : public COutputRouterHost {
public:
    struct SPost {
        UINT nMessage;
        UINT_PTR wParam;
        INT_PTR lParam;
        bool operator==(const SPost& o) const { return nMessage == o.nMessage && wParam == o.wParam; }
    };

    bool PostToView(UINT nMessage, UINT_PTR wParam, INT_PTR lParam) override
    {
        std::lock_guard<std::mutex> lock(m_lock);
        if (!m_bWindow)
            return false;
        m_posts.push_back({nMessage, wParam, lParam});
        return true;
    }
    void PostCpuPercent(unsigned nCpu, int nPercent) override
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_cpuPercents.emplace_back(nCpu, nPercent);
    }
    void CpuNumberChanged(unsigned nCpu) override
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_cpus.push_back(nCpu);
    }
    void DeviceLine(const SDeviceStatusLine& line) override
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_devices.push_back(line);
    }
    void MainStorageKnown() override { ++m_nMainStorageKnown; }
    void SendCommandLine(const SLineSource&, const std::string& strCommand) override
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_commands.push_back(strCommand);
    }
    void ShellDirReported(const std::string& strDir) override
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_dirs.push_back(strDir);
    }
    void Beep(EBeep eBeep) override
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_beeps.push_back(eBeep);
    }
    bool ApplyProgressLine(const SLineSource&, const char* pszLine) override
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_progress.push_back(pszLine);
        return m_bProgressConsumes;
    }
    SLocalTime LocalTime() override { return m_time; }
    void SetReadersRunning(bool bRunning) override
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_readerStates.push_back(bRunning);
    }

    // The posts of one message number.
    std::vector<SPost> PostsOf(UINT nMessage)
    {
        std::lock_guard<std::mutex> lock(m_lock);
        std::vector<SPost> out;
        for (const SPost& p : m_posts)
            if (p.nMessage == nMessage)
                out.push_back(p);
        return out;
    }

    std::mutex m_lock;
    bool m_bWindow = true;              // false: every post fails
    bool m_bProgressConsumes = true;
    SLocalTime m_time;
    std::vector<SPost> m_posts;
    std::vector<std::pair<unsigned, int>> m_cpuPercents;
    std::vector<unsigned> m_cpus;
    std::vector<SDeviceStatusLine> m_devices;
    int m_nMainStorageKnown = 0;
    std::vector<std::string> m_commands;
    std::vector<std::string> m_dirs;
    std::vector<EBeep> m_beeps;
    std::vector<std::string> m_progress;
    std::vector<bool> m_readerStates;
};
