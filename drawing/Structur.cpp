#include "drawing/Structur.h"

#include "drawing/VirtualView.h"

#include <algorithm>

MBaseStructur::~MBaseStructur() = default;

int MBaseStructur::IndexOf(const MBaseRep* rep) const
{
    const auto it = std::find(m_items.begin(), m_items.end(), rep);
    return it == m_items.end() ? -1 : int(it - m_items.begin());
}

bool MBaseStructur::Take(MBaseRep* rep)
{
    const auto it = std::find(m_items.begin(), m_items.end(), rep);
    if (it == m_items.end())
        return false;
    m_items.erase(it);
    return true;
}

MBaseRep* MBaseStructur::FindAt(double x, double y) const
{
    for (auto it = m_items.rbegin(); it != m_items.rend(); ++it)
        if ((*it)->ContainsPoint(x, y))
            return *it;
    return nullptr;
}

void MBaseStructur::CollectInRect(MBaseStructur& list, double x1, double y1, double x2, double y2) const
{
    for (auto it = m_items.rbegin(); it != m_items.rend(); ++it)
        if ((*it)->LiesInRect(x1, y1, x2, y2))
            list.Append(*it);
}

MWorldBox MBaseStructur::GetBounds() const
{
    MWorldBox r{2147483647.0, 2147483647.0, -2147483647.0, -2147483647.0};
    for (const MBaseRep* rep : m_items) {
        const MWorldBox b = rep->Box();
        r.MinX = std::min(r.MinX, b.MinX);
        r.MaxX = std::max(r.MaxX, b.MaxX);
        r.MinY = std::min(r.MinY, b.MinY);
        r.MaxY = std::max(r.MaxY, b.MaxY);
    }
    return r;
}

void MBaseStructur::FitViewToContents(MVirtualView& view) const
{
    const MWorldBox b = GetBounds();
    view.SetWorldRect(b.MinX, b.MinY, b.MaxX, b.MaxY);
}

namespace {

template <class F>
void Layered(const std::vector<MBaseRep*>& items, F&& draw)
{
    // Copy: a drawing may not change the list, but must not be able to
    // invalidate the walk either.
    const std::vector<MBaseRep*> reps = items;
    for (MBaseRep* r : reps)
        if (r->Layer < 0)
            draw(r);
    for (MBaseRep* r : reps)
        if (r->Layer == 0)
            draw(r);
    for (MBaseRep* r : reps)
        if (r->Layer == 1)
            draw(r);
    for (MBaseRep* r : reps)
        if (r->Layer > 1)
            draw(r);
}

} // namespace

void MBaseStructur::DrawAll(MVirtualView& view)
{
    Layered(m_items, [&view](MBaseRep* r) { r->Draw(view); });
}

void MBaseStructur::DrawAll3D(MVirtualView& view)
{
    Layered(m_items, [&view](MBaseRep* r) { r->Draw3D(view); });
}

MStructur::MStructur()
    : m_removed(std::make_unique<MRepList>())
{
}

MStructur::~MStructur()
{
    for (MBaseRep* rep : m_removed->Reps())
        Free(rep);
    m_removed.reset();
    for (MBaseRep* rep : m_items)
        Free(rep);
    ClearList();
    m_owned.clear();
}

void MStructur::Adopt(std::unique_ptr<MBaseRep> rep)
{
    rep->Owner = this;
    rep->m_arena = this;
    rep->m_slot = m_owned.size();
    Append(rep.get());
    m_owned.push_back(std::move(rep));
}

void MStructur::Reserve(std::size_t n)
{
    m_items.reserve(n);
    m_owned.reserve(n);
}

void MStructur::Free(MBaseRep* rep)
{
    if (rep->m_arena == this && rep->m_slot < m_owned.size() && m_owned[rep->m_slot].get() == rep)
        m_owned[rep->m_slot].reset();
}

void MStructur::Compact()
{
    std::erase(m_owned, nullptr);
    for (std::size_t i = 0; i < m_owned.size(); ++i)
        m_owned[i]->m_slot = i;
}

void MStructur::FreeAll()
{
    const std::vector<MBaseRep*> reps = std::move(m_items);
    ClearList();
    for (MBaseRep* rep : reps)
        Free(rep);
    Compact();
}

void MStructur::RemoveRep(MBaseRep* rep)
{
    if (rep && Take(rep))
        m_removed->Add(rep);
}

void MStructur::RemoveReps(const MBaseStructur& list)
{
    const std::vector<MBaseRep*> reps = list.Reps();
    for (MBaseRep* rep : reps)
        RemoveRep(rep);
}

void MStructur::BringTypeToFront(std::int32_t t1, std::int32_t t2, std::int32_t t3, std::int32_t t4)
{
    const auto it = std::find_if(m_items.begin(), m_items.end(), [&](const MBaseRep* r) {
        return r->RepTyp == t1 || r->RepTyp == t2 || r->RepTyp == t3 || r->RepTyp == t4;
    });
    if (it == m_items.end() || it + 1 == m_items.end())
        return;
    std::rotate(it, it + 1, m_items.end());
}

void MStructur::MoveRep(int from, int to)
{
    const int n = Count();
    if (from < 0 || to < 0 || from >= n || to >= n || from == to)
        return;
    const auto first = m_items.begin();
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else
        std::rotate(first + to, first + from, first + from + 1);
}
