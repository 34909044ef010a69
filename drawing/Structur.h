#pragma once

#include "drawing/BaseRep.h"

#include <cstdint>
#include <memory>
#include <vector>

class MObjTypeManager;
class MVirtualView;

// An ordered list of representations that only refers to them. The order is
// the drawing order within a layer and the hit-test priority (later entries
// lie on top).
class MBaseStructur {
public:
    MBaseStructur() = default;
    virtual ~MBaseStructur();
    MBaseStructur(const MBaseStructur&) = delete;
    MBaseStructur& operator=(const MBaseStructur&) = delete;

    int Count() const { return int(m_items.size()); }
    bool IsEmpty() const { return m_items.empty(); }
    MBaseRep* Items(int i) const { return m_items.at(std::size_t(i)); }
    const std::vector<MBaseRep*>& Reps() const { return m_items; }
    int IndexOf(const MBaseRep* rep) const;

    void SetObjTypeManager(MObjTypeManager* m) { m_objTypeManager = m; }
    MObjTypeManager* ObjTypeManager() const { return m_objTypeManager; }

    // Last to first: the first whose ContainsPoint holds, or null.
    MBaseRep* FindAt(double x, double y) const;
    // Last to first: appends to list every representation lying in the rectangle.
    void CollectInRect(MBaseStructur& list, double x1, double y1, double x2, double y2) const;
    // Bounding box of the boxes; an empty list gives min 2147483647.0 and
    // max -2147483647.0.
    MWorldBox GetBounds() const;
    void FitViewToContents(MVirtualView& view) const;
    // Layered drawing: Layer < 0, = 0, = 1, > 1, each pass in list order.
    virtual void DrawAll(MVirtualView& view);
    virtual void DrawAll3D(MVirtualView& view);

protected:
    void Append(MBaseRep* rep) { m_items.push_back(rep); }
    bool Take(MBaseRep* rep);
    void ClearList() { m_items.clear(); }

    std::vector<MBaseRep*> m_items;

private:
    MObjTypeManager* m_objTypeManager = nullptr;
};

// A plain referring list with public editing (collections, the selection).
class MRepList : public MBaseStructur {
public:
    void Add(MBaseRep* rep) { Append(rep); }
    bool Remove(MBaseRep* rep) { return Take(rep); }
    void Clear() { ClearList(); }
};

// The representation list that owns its representations. Representations
// the user deletes or a frame replaces go to `RemovedReps`: no longer drawn,
// hit or saved, freed together with the structure.
class MStructur : public MBaseStructur {
public:
    MStructur();
    ~MStructur() override;

    // Creates a representation of class T into this list (appended, owned).
    template <class T, class... Args>
    T& Create(Args&&... args)
    {
        auto rep = std::make_unique<T>(this, std::forward<Args>(args)...);
        T& ref = *rep;
        Adopt(std::move(rep));
        return ref;
    }
    // A copy of original made by its class's copy constructor, appended and
    // owned; it has no dialog frame and takes its catalogue object from this
    // list.
    template <class T>
    T& CreateCopy(const T& original)
    {
        auto rep = std::make_unique<T>(original);
        T& ref = *rep;
        Adopt(std::move(rep));
        ref.DialogFrame = nullptr;
        ref.SetObject(ref.ObjectTypeNum, ref.ObjektID);
        return ref;
    }
    void Adopt(std::unique_ptr<MBaseRep> rep);
    void Reserve(std::size_t n);

    // Frees every representation of the list, first to last, and empties it.
    void FreeAll();
    // Moves rep from the list to RemovedReps.
    void RemoveRep(MBaseRep* rep);
    void RemoveReps(const MBaseStructur& list);
    // Moves the first representation whose RepTyp is one of the four to the
    // end of the list (drawn last, hit first).
    void BringTypeToFront(std::int32_t t1, std::int32_t t2, std::int32_t t3, std::int32_t t4);
    // Moves the representation at index from to index to; the ones between
    // move up by one place. Indices outside the list change nothing.
    void MoveRep(int from, int to);
    const MBaseStructur& RemovedReps() const { return *m_removed; }

private:
    void Free(MBaseRep* rep);
    void Compact();

    std::vector<std::unique_ptr<MBaseRep>> m_owned; // list and removed ones
    std::unique_ptr<MRepList> m_removed;
};
