// The owning list of an effect's controls, in control order. A singly linked
// list that is walked from its head; the per-frame path never walks it.
#pragma once

#include "ControlDescriptor.h"

#include <cstdint>
#include <memory>

class ControlList
{
public:
	ControlList() = default;
	ControlList(const ControlList&) = delete;
	ControlList& operator=(const ControlList&) = delete;
	~ControlList() { clear(); }

	void append(const ControlDescriptor& control);
	int32_t count() const;
	ControlDescriptor* at(int32_t position) const;
	void remove(const ControlDescriptor& control); // the first node with the same controlId
	void clear();

private:
	struct Node
	{
		ControlDescriptor control;
		std::unique_ptr<Node> next;
	};
	std::unique_ptr<Node> head;
};
