// Base types of the VSTGUI subset: coordinates, reference counting and the
// notification base class every VSTGUI object derives from.
#pragma once

#include <cstdint>
#include <utility>

namespace VSTGUI {

using CCoord = double;
using IdStringPtr = const char*;
using UTF8StringPtr = const char*;

enum CMessageResult
{
	kMessageUnknown = 0,
	kMessageNotified = 1
};

// Something that can be kept alive by SharedPointer.
class IReference
{
public:
	virtual ~IReference() noexcept = default;
	virtual void remember() = 0;
	virtual void forget() = 0;
};

// Counts references; the object deletes itself when the last one is forgotten.
// Not atomic: every VSTGUI object lives on the user-interface thread.
template <typename Base>
class ReferenceCounted : public Base
{
public:
	ReferenceCounted() = default;
	ReferenceCounted(const ReferenceCounted&) : Base(), nbReference(1) {}
	ReferenceCounted& operator=(const ReferenceCounted&) { return *this; }

	void remember() override { ++nbReference; }
	void forget() override
	{
		if (--nbReference == 0)
			delete this;
	}
	int32_t getNbReference() const { return nbReference; }

private:
	int32_t nbReference = 1;
};

using NonAtomicReferenceCounted = ReferenceCounted<IReference>;

class CBaseObject : public NonAtomicReferenceCounted
{
public:
	// Messages arrive here, e.g. CVSTGUITimer::kMsgTimer from a timer.
	virtual CMessageResult notify(CBaseObject* sender, IdStringPtr message)
	{
		(void)sender;
		(void)message;
		return kMessageUnknown;
	}
	// A fresh copy with one reference, or null for classes that cannot be copied.
	virtual CBaseObject* newCopy() const { return nullptr; }
};

// VSTGUI's per-class boilerplate: the copy a view hands out.
#define CLASS_METHODS(name, parent) \
	CBaseObject* newCopy() const override { return new name(*this); }
#define CLASS_METHODS_NOCOPY(name, parent) \
	CBaseObject* newCopy() const override { return nullptr; }
#define CLASS_METHODS_VIRTUAL(name, parent) \
	CBaseObject* newCopy() const override = 0;

// How knobs turn mouse drags into values (the editor's getKnobMode()).
enum CKnobMode : int32_t
{
	kCircularMode = 0,       // the value jumps to the angle clicked
	kRelativCircularMode,    // the angle moved adds to the value, no jump
	kLinearMode              // vertical and horizontal distance
};

// Identifies a piece of data a view carries (see CView::setAttribute).
using CViewAttributeID = uint32_t;

// Holds one reference to an IReference-derived object.
template <class I>
class SharedPointer
{
public:
	SharedPointer() noexcept = default;
	SharedPointer(I* p, bool remember = true) noexcept : ptr(p)
	{
		if (ptr && remember)
			ptr->remember();
	}
	SharedPointer(const SharedPointer& other) noexcept : SharedPointer(other.ptr) {}
	template <class T>
	SharedPointer(const SharedPointer<T>& other) noexcept : SharedPointer(other.get())
	{
	}
	SharedPointer(SharedPointer&& other) noexcept : ptr(std::exchange(other.ptr, nullptr)) {}
	~SharedPointer() noexcept { reset(); }

	SharedPointer& operator=(I* p) noexcept
	{
		if (p != ptr)
		{
			if (p)
				p->remember();
			reset();
			ptr = p;
		}
		return *this;
	}
	SharedPointer& operator=(const SharedPointer& other) noexcept { return *this = other.ptr; }
	SharedPointer& operator=(SharedPointer&& other) noexcept
	{
		if (this != &other)
		{
			reset();
			ptr = std::exchange(other.ptr, nullptr);
		}
		return *this;
	}

	void reset() noexcept
	{
		if (auto* p = std::exchange(ptr, nullptr))
			p->forget();
	}
	I* get() const noexcept { return ptr; }
	I* operator->() const noexcept { return ptr; }
	I& operator*() const noexcept { return *ptr; }
	operator I*() const noexcept { return ptr; }
	explicit operator bool() const noexcept { return ptr != nullptr; }

	template <class T>
	T* cast() const noexcept
	{
		return dynamic_cast<T*>(ptr);
	}

private:
	I* ptr = nullptr;
};

// Takes over the one reference a new object starts with.
template <class I>
SharedPointer<I> owned(I* p) noexcept
{
	return SharedPointer<I>(p, false);
}

template <class I, typename... Args>
SharedPointer<I> makeOwned(Args&&... args)
{
	return SharedPointer<I>(new I(std::forward<Args>(args)...), false);
}

} // namespace VSTGUI
