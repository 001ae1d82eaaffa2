// Add To Profile and the two public methods it calls; filled by the automation work.
