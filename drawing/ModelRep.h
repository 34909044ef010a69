#pragma once

#include "drawing/BaseRep.h"
#include "drawing/Structur.h"

#include <QImage>
#include <QString>
#include <memory>
#include <vector>

class MVirtualView;

// A representation holding other representations (its own `Structure`);
// it may refer to a view it does not own.
class MModelRep : public MBaseRep {
public:
    MModelRep(MBaseStructur* owner, std::int32_t objectID, std::int32_t typeNum, double x, double y);
    ~MModelRep() override;
    // The values and the view reference; the copy's structure starts empty.
    MModelRep(const MModelRep& other);

    std::int32_t ModellID = 0;

    MStructur& Structure() { return m_structure; }
    const MStructur& Structure() const { return m_structure; }
    virtual MVirtualView* View() const { return m_view; }
    void SetView(MVirtualView* view) { m_view = view; }

    MBaseRep& Clone(MStructur& target) const override;
    // Loading a plain model is not supported: tells the user and reads nothing.
    void LoadSettings(MKontaloRegistry& store, const QString& key) override;
    // The model writer: the model's values and every representation of the
    // structure under key\0, key\1, … through a store instance of its own.
    // Failures of that store reach the caller.
    void SaveSettings(MKontaloRegistry& store, const QString& key) override;
    void Draw(MVirtualView& view) override;
    void Draw3D(MVirtualView& view) override;

private:
    MStructur m_structure;
    MVirtualView* m_view = nullptr;
};

// The model of a graphic frame: owns its view and rebuilds its content from
// the settings store.
class MPVModelRep : public MModelRep {
public:
    MPVModelRep(MBaseStructur* owner, std::int32_t objectID, std::int32_t typeNum, double x, double y);
    ~MPVModelRep() override;
    // With a view of its own that starts as a copy of other's.
    MPVModelRep(const MPVModelRep& other);

    // A copy with a view of its own that starts as a copy of this one's.
    MBaseRep& Clone(MStructur& target) const override;
    // The model loader.
    void LoadSettings(MKontaloRegistry& store, const QString& key) override;

    // More representations than any roof holds: a stored model claiming more
    // is damaged, and nothing is loaded from it.
    static constexpr int kMaxModelReps = 100'000;
    // Models (groups) nested deeper than this are not loaded.
    static constexpr int kMaxNestingDepth = 8;

    // The last load found the stored model damaged and left it empty.
    bool Damaged = false;

private:
    std::unique_ptr<MVirtualView> m_ownView;
};

// A background picture stretched over its box.
class MBackPlaneRep : public MBaseRep {
public:
    MBackPlaneRep(MBaseStructur* owner, const QString& fileName, std::int32_t objectID, std::int32_t typeNum,
                  double x, double y);

    QString FileName;
    QImage Picture;
    bool PictureLoaded = false;

    MBaseRep& Clone(MStructur& target) const override;
    void LoadSettings(MKontaloRegistry& store, const QString& key) override;
    void SaveSettings(MKontaloRegistry& store, const QString& key) override;
    void Draw(MVirtualView& view) override;

private:
    void LoadPicture();
};

// Scale bar. All device values in pixels.
class MMasstabRep : public MBaseRep {
public:
    MMasstabRep(MBaseStructur* owner, std::int32_t objectID, std::int32_t typeNum, double x, double y);

    double BarHeightPercent = 6.0;
    std::int32_t BarHeightPx = 0;

    struct Tick {
        double WorldX = 0;
        int X = 0, Y1 = 0, Y2 = 0; // the tick line, label top at Y1
        QString Label;
    };
    // Everything the bar draws, in device pixels (rectangles as corner pairs).
    struct Layout {
        int H = 0;
        int BarX1 = 0, BarY1 = 0, BarX2 = 0, BarY2 = 0;
        int EndX1 = 0, EndY1 = 0, EndX2 = 0, EndY2 = 0;
        double Step = 1;
        std::vector<Tick> Ticks;
    };
    Layout ComputeLayout(const MVirtualView& view) const;

    // Ticks beyond this count are not drawn.
    static constexpr int kMaxTicks = 10'000;

    MBaseRep& Clone(MStructur& target) const override;
    void LoadSettings(MKontaloRegistry&, const QString&) override {}
    void SaveSettings(MKontaloRegistry&, const QString&) override {}
    void Draw(MVirtualView& view) override;
};
